#include "platform/fatal_error.h"

#include <QApplication>
#include <QMessageBox>
#include <cstdio>
#include <cstdlib>

namespace orvalen {
namespace {
bool ending = false;
}

bool EndingWithError() { return ending; }

void ReportFatalError(const std::exception& error) {
    ending = true;
    std::fprintf(stderr, "orvalen: %s\n", error.what());
    std::fflush(stderr);
    if (qobject_cast<QApplication*>(QCoreApplication::instance()))
        QMessageBox::critical(nullptr, QStringLiteral("Orvalen"), QString::fromLocal8Bit(error.what()));
    std::_Exit(1);
}

}  // namespace orvalen
