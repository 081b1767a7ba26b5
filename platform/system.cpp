#include "platform/system.h"

#include <cstdio>
#include <cstdlib>
#include <utility>

#include <QCoreApplication>
#include <QDate>
#include <QDateTime>
#include <QLocale>

namespace kl::platform {

namespace {

MessageHandler& messageHandler() {
    static MessageHandler handler;
    return handler;
}
TerminateHandler& terminateHandler() {
    static TerminateHandler handler;
    return handler;
}
TerminateHandler& haltHandler() {
    static TerminateHandler handler;
    return handler;
}

}  // namespace

namespace {
int g_openMessages = 0;
long g_messagesShown = 0;
}  // namespace

bool messageOpen() { return g_openMessages > 0; }
long messagesShown() { return g_messagesShown; }

void showMessage(const std::string& text) {
    ++g_messagesShown;
    ++g_openMessages;
    struct Close {
        ~Close() { --g_openMessages; }
    } close;
    if (messageHandler()) messageHandler()(text);
    else std::fprintf(stderr, "%s\n", text.c_str());
}

MessageHandler setMessageHandler(MessageHandler handler) {
    return std::exchange(messageHandler(), std::move(handler));
}

namespace {
bool g_terminateRequested = false;
}

bool terminateWasRequested() { return g_terminateRequested; }
void resetTerminateRequest() { g_terminateRequested = false; }

void requestTerminate() {
    g_terminateRequested = true;
    if (terminateHandler()) {
        terminateHandler()();
        return;
    }
    // The program ends because of a failure: its exit status says so.
    if (QCoreApplication* app = QCoreApplication::instance()) {
        QCoreApplication::exit(kFailureExitStatus);
        // exit() ends only a loop that is running; a request made before the
        // event loop starts ends the loop as soon as it does.
        QMetaObject::invokeMethod(app, [] { QCoreApplication::exit(kFailureExitStatus); }, Qt::QueuedConnection);
    } else {
        std::exit(kFailureExitStatus);
    }
}

void haltNow() {
    if (haltHandler()) {
        haltHandler()();
        return;
    }
    std::fflush(nullptr);
    std::_Exit(1);
}

TerminateHandler setTerminateHandler(TerminateHandler handler) {
    return std::exchange(terminateHandler(), std::move(handler));
}

TerminateHandler setHaltHandler(TerminateHandler handler) {
    return std::exchange(haltHandler(), std::move(handler));
}

GregorianDate systemToday() {
    const QDate d = QDate::currentDate();
    GregorianDate g;
    g.day = static_cast<std::uint8_t>(d.day());
    g.month = static_cast<std::uint8_t>(d.month());
    g.year = d.year();
    g.weekDay = 0;
    return g;
}

std::string shortDateText() {
    return QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat).toStdString();
}

std::string longTimeText() {
    return QLocale::system().toString(QTime::currentTime(), QLocale::LongFormat).toStdString();
}

double timeOfDayFraction() {
    return QTime::currentTime().msecsSinceStartOfDay() / 86'400'000.0;
}

}  // namespace kl::platform
