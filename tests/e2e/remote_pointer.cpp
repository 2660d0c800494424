// A pointer for a Wayland session without any X server: mutter's remote
// desktop interface on the session bus injects the events. The session it
// opens lives as long as this process's bus connection, so one process
// serves a whole script, reading commands on standard input:
//   move DX DY       relative motion, in pixels
//   press BUTTON     1 left, 2 middle, 3 right
//   release BUTTON
// and answering each with a line "ok" once mutter has taken it, so that the
// script stays in step. Errors go to standard error and end it with status 1.
// Usage: remote_pointer (with DBUS_SESSION_BUS_ADDRESS of mutter's bus)

#include <QtCore/QCoreApplication>
#include <QtCore/QTextStream>
#include <QtDBus/QDBusConnection>
#include <QtDBus/QDBusInterface>
#include <QtDBus/QDBusObjectPath>
#include <QtDBus/QDBusReply>

#include <cstdio>
#include <optional>

namespace {

const QString Service = QStringLiteral("org.gnome.Mutter.RemoteDesktop");

// Evdev codes of the buttons, as the interface takes them.
std::optional<int> EvdevButton(const QString& button) {
    if (button == QLatin1String("1")) return 0x110;  // BTN_LEFT
    if (button == QLatin1String("2")) return 0x112;  // BTN_MIDDLE
    if (button == QLatin1String("3")) return 0x111;  // BTN_RIGHT
    return std::nullopt;
}

bool Failed(const QDBusMessage& reply, const char* what) {
    if (reply.type() != QDBusMessage::ErrorMessage) return false;
    std::fprintf(stderr, "remote_pointer: %s: %s\n", what, qPrintable(reply.errorMessage()));
    return true;
}

// Runs one command line; false (with a message) when it cannot.
bool Run(QDBusInterface& session, const QString& line) {
    const QStringList words = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (words.size() == 3 && words[0] == QLatin1String("move")) {
        bool dxOk = false;
        bool dyOk = false;
        const double dx = words[1].toDouble(&dxOk);
        const double dy = words[2].toDouble(&dyOk);
        if (dxOk && dyOk) return !Failed(session.call(QStringLiteral("NotifyPointerMotionRelative"), dx, dy), "move");
    }
    if (words.size() == 2 && (words[0] == QLatin1String("press") || words[0] == QLatin1String("release"))) {
        if (const std::optional<int> button = EvdevButton(words[1])) {
            const bool pressed = words[0] == QLatin1String("press");
            return !Failed(session.call(QStringLiteral("NotifyPointerButton"), *button, pressed), "button");
        }
    }
    std::fprintf(stderr, "remote_pointer: cannot read the command '%s'\n", qPrintable(line));
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        std::fprintf(stderr, "remote_pointer: no session bus: %s\n", qPrintable(bus.lastError().message()));
        return 1;
    }
    QDBusInterface desktop(Service, QStringLiteral("/org/gnome/Mutter/RemoteDesktop"), Service, bus);
    const QDBusReply<QDBusObjectPath> created = desktop.call(QStringLiteral("CreateSession"));
    if (!created.isValid()) {
        std::fprintf(stderr, "remote_pointer: CreateSession: %s\n", qPrintable(created.error().message()));
        return 1;
    }
    QDBusInterface session(Service, created.value().path(), Service + QStringLiteral(".Session"), bus);
    if (Failed(session.call(QStringLiteral("Start")), "Start")) return 1;

    QTextStream in(stdin);
    QTextStream out(stdout);
    QString line;
    while (in.readLineInto(&line)) {
        if (!Run(session, line)) return 1;
        out << "ok\n";
        out.flush();
    }
    return Failed(session.call(QStringLiteral("Stop")), "Stop") ? 1 : 0;
}
