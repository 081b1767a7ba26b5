// conf.dat as the compact window reads it at start-up. Whatever the file
// holds, reading ends either with every line applied or with one message;
// and a file that reads completely must come back unchanged through a save
// and a second read.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QSpinBox>

#include <array>
#include <cstdlib>
#include <optional>

#include "ui/config/tform4.h"
#include "data/settings.h"
#include "fuzz/fuzzsupport.h"

using namespace kl;

namespace {

struct Snapshot {
    std::array<bool, 10> checks{};
    int speed = 0, dateFormat = 0, moonModel = 0;
    std::string signfont;
    std::int32_t hlpcount = 0;
    bool mlinear = false;
    friend bool operator==(const Snapshot&, const Snapshot&) = default;
};

Snapshot snapshot(const TForm4& f) {
    Snapshot s;
    const QCheckBox* boxes[] = {f.cb1, f.cb2, f.cb3, f.cb4, f.cb5, f.cb6, f.cb7, f.cb8, f.cb9, f.cb10};
    for (std::size_t i = 0; i < s.checks.size(); ++i) s.checks[i] = boxes[i]->isChecked();
    s.speed = f.sp->value();
    s.dateFormat = f.cbx->currentIndex();
    s.moonModel = f.cbm->currentIndex();
    s.signfont = settings()._signfont;
    s.hlpcount = settings()._hlpcount;
    s.mlinear = settings()._Mlinear;
    return s;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static QApplication app(*argc, *argv);
    fuzz::setUpHeadless();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::startInput();
    resetSettings();
    const std::string_view input = fuzz::asText(data, size);
    fuzz::putFile("conf.dat", input);

    std::optional<Snapshot> first;
    std::string saved;
    {
        TForm4 form;
        const bool complete = form.loadAtStartup();
        KL_FUZZ_CHECK(fuzz::counts().messages == (complete ? 0 : 1));
        KL_FUZZ_CHECK(fuzz::counts().reports == 0);
        KL_FUZZ_CHECK(fuzz::readBack("conf.dat") == input);  // reading never writes
        KL_FUZZ_CHECK(form.sp->value() >= 1 && form.sp->value() <= 99);
        if (!complete) return 0;
        first = snapshot(form);
        form.save();
        saved = fuzz::readBack("conf.dat");
    }
    KL_FUZZ_CHECK(fuzz::counts().reports == 0);

    resetSettings();
    TForm4 again;
    KL_FUZZ_CHECK(again.loadAtStartup());
    KL_FUZZ_CHECK(snapshot(again) == *first);
    again.save();
    KL_FUZZ_CHECK(fuzz::readBack("conf.dat") == saved);
    return 0;
}
