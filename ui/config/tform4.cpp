#include "ui/config/tform4.h"

#include "core/moonage.h"

#include <algorithm>
#include <charconv>
#include <string_view>

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QHideEvent>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QSpinBox>

#include "data/conffile.h"
#include "data/errorlog.h"
#include "data/settings.h"
#include "data/textdb.h"
#include "layout/baselines.h"
#include "platform/codec.h"
#include "platform/files.h"
#include "platform/fonts.h"
#include "platform/system.h"

namespace kl {

namespace {

constexpr const char* kConfigFile = "conf.dat";
constexpr const char* kTextBase = "BASE.DRS";

// The lists shown while there is no text database; the date formats are in
// the order of their format numbers, so the initial "dd/mm" is number 5.
const char* const kBuiltinDateFormats[] = {
    "дд.мм.гггг", "дд.мм.гг", "дд.мм", "мм.дд", "мм/дд", "григорианская дата дд/мм", "без даты"};
const char* const kBuiltinMoonModels[] = {"Линейная (упрощённая)", "Нелинейная (плавная)", "Астрономическая"};
// The language list, in the order of kLanguages: each name in its own language.
const char* const kLanguageNames[] = {"Русский", "English"};
constexpr Language kLanguages[] = {Language::Russian, Language::English};
// The dialog's height: its two columns, and the language row below them.
constexpr int kDialogHeight = 211;

namespace line = layout::base::config;

QString qs(const char* utf8) { return QString::fromUtf8(utf8); }

// Position of the chosen entry in its list, -1 when the list is empty. The
// lists are pick-only, so the chosen entry is the one shown, even when
// another entry has the same text.
int position(const QComboBox* box) { return box->currentIndex(); }

// Replaces the entries of a pick-only list. The chosen text stays chosen
// when the new list has it; otherwise the same position (or the first entry)
// is chosen, so the box always shows one of its entries.
void refill(QComboBox* box, const QStringList& entries) {
    const QString text = box->currentText();
    const int old = box->currentIndex();
    box->clear();
    box->addItems(entries);
    const bool oldFits = old >= 0 && old < box->count();
    int index = oldFits && box->itemText(old) == text
                    ? old
                    : box->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index < 0) index = oldFits ? old : 0;
    box->setCurrentIndex(box->count() > 0 ? index : -1);
}

}  // namespace

TForm4::TForm4(QWidget* parent) : QDialog(parent) {
    setWindowTitle(qs("Calendar configuration"));
    setWindowFlag(Qt::WindowStaysOnTopHint);
    setFixedSize(481, kDialogHeight);
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(11);
    setFont(f);

    auto bevel = [this](int x, int y, int w, int h) {
        auto* b = new QFrame(this);
        b->setFrameStyle(QFrame::Box | QFrame::Sunken);
        b->setGeometry(x, y, w, h);
        return b;
    };
    Bevel1 = bevel(4, 4, 237, 141);
    Bevel2 = bevel(244, 4, 225, 45);
    Bevel3 = bevel(244, 51, 225, 35);
    Bevel4 = bevel(244, 89, 225, 42);
    Bevel5 = bevel(244, 134, 225, 42);
    Bevel6 = bevel(4, 179, 465, 28);

    auto check = [this](int x, int y, int w, const char* text, bool on) {
        auto* c = new QCheckBox(qs(text), this);
        c->setLayoutDirection(Qt::RightToLeft);  // the text stands left of the box
        c->setGeometry(x, y, w, 16);  // 16 apart in the left column
        c->setChecked(on);
        return c;
    };
    auto label = [this](int x, int y, const char* text) {
        auto* l = new QLabel(qs(text), this);
        l->move(x, y);
        l->adjustSize();
        return l;
    };
    auto list = [this](int x, int y, const char* const* entries, int count, int chosen) {
        auto* c = new QComboBox(this);
        c->setEditable(false);  // pick-only: the box never holds a text outside its list
        c->setGeometry(x, y, 217, 21);
        for (int i = 0; i < count; ++i) c->addItem(qs(entries[i]));
        c->setCurrentIndex(chosen);
        return c;
    };

    const ConfValues initial;  // the settings before any conf.dat is read
    cb2 = check(8, 12, 225, "Shine in Year mode", initial.yearShine);
    cb3 = check(8, 28, 225, "Line in Year mode", initial.yearLine);
    cb4 = check(8, 44, 225, "Day icon in Year mode", initial.yearFigure);
    cb5 = check(8, 60, 225, "Day icon in Castle mode", initial.castleFigure);
    cb6 = check(8, 76, 225, "Swap up/down button function", initial.swapKeys);
    cb7 = check(8, 92, 225, "Григорианская дата в Книге кинов", initial.bookDate);
    cb8 = check(8, 108, 225, "grag date in day mode", initial.dayDate);
    cb9 = check(8, 124, 225, "greg date in day icon", initial.iconDate);
    BitBtn1 = new QPushButton(qs("Save and exit"), this);
    BitBtn1->setGeometry(4, 148, 237, 28);
    cb1 = check(250, 6, 215, "Use transition", initial.transitions);
    Label1 = new QLabel(qs("Transition speed"), this);
    Label1->setGeometry(250, 26, 137, 17);
    sp = new QSpinBox(this);
    sp->setGeometry(417, 24, 49, 22);
    sp->setRange(1, 99);  // so at most two digits
    sp->setValue(initial.speed);
    l2 = label(248, 54, "После 23-го дня черепахи возвращаются");
    cb10 = check(248, 68, 217, "3 turtles in heaven walk", initial.turtles);
    l4 = label(248, 91, "l4");
    cbx = list(248, 106, kBuiltinDateFormats, 7, initial.dateFormat);
    l3 = label(248, 136, "l3");
    cbm = list(248, 151, kBuiltinMoonModels, kMoonModels, initial.moonModel);
    l5 = label(10, 185, "Язык / Language");
    cbl = list(248, 182, kLanguageNames, 2, 0);
    showLanguage();

    connect(BitBtn1, &QPushButton::clicked, this, &TForm4::BitBtn1Click);
    connect(cbl, &QComboBox::activated, this, &TForm4::cblChange);
}

TForm4::~TForm4() {
    // The hooks point into windows that may already be gone at exit.
    setFullScreenEnabled = nullptr;
    onHidden = nullptr;
}

void TForm4::fillLists() {
    // Without a text database the built-in lists stay, and no failure is
    // reported for the missing file.
    if (!textFileExists(kTextBase)) return;
    // A database that cannot be read is reported once, and the program is
    // ending then: no list of empty entries, no further messages.
    QStringList formats, models;
    const auto take = [](int line, QStringList& into) {
        if (!platform::terminateWasRequested()) into << QString::fromStdString(L(line));
    };
    for (int i = 0; i < 7; ++i) take(line::kDateFormats + i, formats);
    for (int i = 0; i < 2; ++i) take(line::kMoonModels + i, models);
    take(line::kAstronomicalMoon, models);
    // A database from before the third model has no name for it.
    if (models.size() == kMoonModels && models.back().isEmpty()) models.back() = qs(kBuiltinMoonModels[2]);
    if (platform::terminateWasRequested()) return;
    refill(cbx, formats);
    refill(cbm, models);
}

void TForm4::setCaptions() {
    if (!textFileExists(kTextBase)) return;  // the built-in captions stay
    auto text = [](int n) { return QString::fromStdString(L(n)); };
    setWindowTitle(text(line::kTitle));
    cb2->setText(text(line::kYearShine));
    cb3->setText(text(line::kYearLine));
    cb4->setText(text(line::kYearIcon));
    cb5->setText(text(line::kCastleIcon));
    cb6->setText(text(line::kSwapKeys));
    cb1->setText(text(line::kTransitions));
    Label1->setText(text(line::kSpeed));
    BitBtn1->setText(text(line::kSaveAndExit));
    cb7->setText(text(line::kBookDate));
    cb8->setText(text(line::kDayDate));
    cb9->setText(text(line::kIconDate));
    l2->setText(text(line::kTurtlesNote));
    l3->setText(text(line::kMoonModelCaption));
    l4->setText(text(line::kDateFormatCaption));
    l5->setText(text(layout::base::kLanguageCaption));
    cb10->setText(text(line::kTurtles));
    for (QLabel* l : {l2, l3, l4, l5}) l->adjustSize();
}

std::array<std::pair<bool ConfValues::*, QCheckBox*>, 10> TForm4::flagControls() const {
    return {{{&ConfValues::yearShine, cb2},
             {&ConfValues::yearLine, cb3},
             {&ConfValues::yearFigure, cb4},
             {&ConfValues::castleFigure, cb5},
             {&ConfValues::transitions, cb1},
             {&ConfValues::swapKeys, cb6},
             {&ConfValues::bookDate, cb7},
             {&ConfValues::dayDate, cb8},
             {&ConfValues::iconDate, cb9},
             {&ConfValues::turtles, cb10}}};
}

ConfValues TForm4::fromControls() const {
    ConfValues v;
    for (const auto& [member, box] : flagControls()) v.*member = box->isChecked();
    v.speed = sp->value();
    v.dateFormat = position(cbx);
    v.moonModel = position(cbm);
    // The two lines without a control are carried through unchanged.
    v.signFont = settings()._signfont;
    v.signFontBytes = signfontBytes_;
    v.helpCount = settings()._hlpcount;
    v.language = languageChosen_ ? std::string(languageCode(kLanguages[std::max(0, position(cbl))])) : languageRead_;
    return v;
}

void TForm4::readConfig(const std::string& bytes) {
    // The controls' values stand for the lines the file does not reach.
    ConfValues v = fromControls();
    std::string reason;
    const int stopped = parseConf(bytes, v, &reason);
    for (const auto& [member, box] : flagControls()) box->setChecked(v.*member);
    sp->setValue(v.speed);
    if (v.dateFormat >= 0 && v.dateFormat < cbx->count()) cbx->setCurrentIndex(v.dateFormat);
    if (v.moonModel >= 0 && v.moonModel < cbm->count()) cbm->setCurrentIndex(v.moonModel);
    languageRead_ = v.language;
    languageChosen_ = languageFromCode(v.language).has_value();
    signfontBytes_ = v.signFontBytes;
    settings()._signfont = v.signFont;
    settings()._hlpcount = v.helpCount;
    if (stopped != 0) throw ConfigError(stopped, reason);
}

void TForm4::load() {
    fillLists();
    // Something else in the file's place is neither read nor saved over.
    if (platform::inUseButNoFile(kConfigFile)) throw ConfigError(1, "it is not a regular file");
    if (platform::fileExists(kConfigFile)) {
        std::string bytes;
        if (!readConfBytes(bytes)) throw ConfigError(1, "the file cannot be opened");
        readConfig(bytes);
    } else {
        // Made anew as a new install finds it: the help pages there are.
        settings()._hlpcount = helpPagesFound();
        save();
    }
    assignv();
    showLanguage();
}

void TForm4::save() {
    try {
        if (!platform::writeFileAtomic(kConfigFile, formatConf(fromControls())))
            throw std::runtime_error("cannot write conf.dat");
    } catch (...) {
        reportFailure(101, "save in config", {std::string("filename:") + kConfigFile});
    }
}

void TForm4::assignv() {
    try {
        applyConf(fromControls());
    } catch (...) {
        reportFailure(111, "assignv in kestral");
    }
}

void TForm4::BitBtn1Click() {
    save();
    assignv();
    hide();
}

void TForm4::FormShow() {
    try {
        if (setFullScreenEnabled) setFullScreenEnabled(false);
        load();
        setCaptions();
    } catch (const ConfigError& e) {
        reportFailure(101, "show window  in config",
                      {std::string("filename:") + kConfigFile, "line:" + std::to_string(e.line())});
    } catch (...) {
        reportFailure(101, "show window  in config");
    }
}

void TForm4::showLanguage() {
    const Language shown = languageChosen_ ? *languageFromCode(languageRead_) : textLanguage();
    for (int i = 0; i < cbl->count(); ++i)
        if (kLanguages[i] == shown) cbl->setCurrentIndex(i);
}

void TForm4::cblChange() {
    languageChosen_ = true;
    languageRead_ = languageCode(kLanguages[std::max(0, position(cbl))]);
    setTextLanguage(languageOf(fromControls()));
}

void TForm4::retranslate() {
    fillLists();
    setCaptions();
    showLanguage();
}

void TForm4::FormHide() {
    assignv();
    if (setFullScreenEnabled) setFullScreenEnabled(true);
    if (onHidden) onHidden();
}

bool TForm4::loadAtStartup() {
    try {
        load();
        return true;
    } catch (const ConfigError& e) {
        platform::showMessage(baseLineOr(layout::base::confmessage::kStoppedAtLine,
                                         "The settings file conf.dat could not be read completely: reading stopped at line") + " " + std::to_string(e.line()) + " (" +
                              platform::escapedControls(e.what()) + "). " + baseLineOr(layout::base::confmessage::kEarlierUsed,
                                         "The settings before that line are used; the others keep their values."));
    } catch (const std::exception& e) {
        platform::showMessage(baseLineOr(layout::base::confmessage::kUnreadable, "The settings file conf.dat could not be read") + " (" + platform::escapedControls(e.what()) + "). " +
                              baseLineOr(layout::base::confmessage::kValuesKept, "The settings keep their values."));
    }
    assignv();
    return false;
}

void TForm4::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) FormShow();
}

void TForm4::hideEvent(QHideEvent* event) {
    QDialog::hideEvent(event);
    if (!event->spontaneous()) FormHide();
}

}  // namespace kl
