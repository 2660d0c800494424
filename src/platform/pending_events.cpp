#include "platform/pending_events.h"

#include <QAbstractEventDispatcher>
#include <QGuiApplication>
#include <glib.h>

namespace orvalen {
namespace {

bool SourcesKnowWhatIsPending() {
    const QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance();
    return QGuiApplication::platformName() == QLatin1String("xcb") && dispatcher &&
           dispatcher->inherits("QEventDispatcherGlib");
}

}  // namespace

bool EventsMayBePending() {
    static const bool sourcesKnow = SourcesKnowWhatIsPending();
    // Preparing the main context asks every source whether it is ready; the
    // loop prepares again before it next polls, so nothing is lost.
    gint priority = 0;
    return !sourcesKnow || g_main_context_prepare(g_main_context_default(), &priority);
}

}  // namespace orvalen
