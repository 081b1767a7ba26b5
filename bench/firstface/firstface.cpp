// The program as it starts for a user, ending the moment its compact window
// has painted the day's face. It prints one line for the start-up
// benchmark: the monotonic clock at the first painted frame and at the
// painted face (nanoseconds), the process's CPU time then (nanoseconds),
// and whether the first frame already was the face.
#include <QEvent>
#include <QTimer>

#include <cstdio>
#include <ctime>
#include <unistd.h>

#include "ui/compact/programwindows.h"

namespace {

long long nanoseconds(clockid_t clock) {
    timespec t{};
    clock_gettime(clock, &t);
    return t.tv_sec * 1'000'000'000LL + t.tv_nsec;
}

class FaceWatch : public QObject {
public:
    explicit FaceWatch(kl::TForm1& form) : form_(form) {}

protected:
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() != QEvent::Paint || done_) return false;
        const bool face = form_.STATE == 0;
        // Taken once the paint has run and gone to the screen.
        QTimer::singleShot(0, [this, face] {
            const long long now = nanoseconds(CLOCK_MONOTONIC);
            if (first_ < 0) {
                first_ = now;
                firstWasFace_ = face;
            }
            if (!face || done_) return;
            done_ = true;
            std::printf("%lld %lld %lld %d\n", first_, now, nanoseconds(CLOCK_PROCESS_CPUTIME_ID),
                        firstWasFace_ ? 1 : 0);
            std::fflush(stdout);
            _exit(0);
        });
        return false;
    }

private:
    kl::TForm1& form_;
    long long first_ = -1;
    bool firstWasFace_ = false;
    bool done_ = false;
};

}  // namespace

int main(int argc, char** argv) {
    FaceWatch* watch = nullptr;
    const int status = kl::runProgram(argc, argv, [&watch](kl::ProgramWindows& program) {
        watch = new FaceWatch(*program.form1);
        program.form1->Image1->installEventFilter(watch);
    });
    std::printf("never painted\n");
    return status == 0 ? 1 : status;
}
