// The print manager's line builder: the four "new" buttons and "add" walk
// an item (font, text, picture, moon) through its steps and leave the
// finished script line in `sr`; a click on the page places the item and
// previews it on the page.
#include <QCursor>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QTextCursor>

#include <filesystem>

#include "platform/widgets/mybutton.h"
#include "platform/widgets/dialogs.h"
#include "platform/files.h"
#include "print/fitting.h"
#include "print/script.h"
#include "data/textdb.h"
#include "layout/baselines.h"
#include "ui/print/tform5.h"

namespace kl {

using namespace print::captionline;

namespace {

// States of the line builder.
enum : std::uint8_t {
    kIdleState = 0,
    kTypingText = 1,
    kPlacingText = 2,
    kPlacingImage = 5,
    kEnteringPhase = 6,
    kEnteringLook = 7,
    kEnteringSize = 8,
    kPlacingMoon = 9,
};

bool placing(std::uint8_t s) { return s == kPlacingText || s == kPlacingImage || s == kPlacingMoon; }

std::string upper(std::string s) {
    for (char& c : s)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return s;
}

}  // namespace

void TForm5::setNewButtonsEnabled(bool enabled) {
    for (TmyButton* b : {mb9, mb8, mb4, mb6}) b->setEnabled(enabled);
}

void TForm5::previewRun() {
    memoToScript();
    const std::uint8_t progress = state.progressMode;
    state.previewMode = true;
    state.progressMode = 20;
    const print::RunHooks h = hooks();
    print::drawimage(state, state.script.lines, page, h);
    state.previewMode = false;
    state.progressMode = progress;
}

void TForm5::drawPreviewLine(const std::string& line) {
    drawnFrom_.reset();
    std::vector<std::string> one{line};
    const std::uint8_t progress = state.progressMode;
    state.progressMode = 20;
    // A preview that cannot be drawn shows nothing; the finished line is
    // read again, and marked, when the script runs.
    print::drawimage(state, one, page);
    state.progressMode = progress;
}

std::string TForm5::pictureName(const std::string& path) const {
    // A picture beside the program is named as the shipped scripts name
    // theirs (graphic\5Y.bmp), so the script works wherever the program is.
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::path dir = fs::weakly_canonical(platform::programDirectory(), ec);
    const fs::path file = fs::weakly_canonical(path, ec);
    if (ec || dir.empty()) return path;
    const fs::path rel = file.lexically_relative(dir);
    if (rel.empty() || *rel.begin() == "..") return path;
    std::string name = rel.generic_string();
    for (char& c : name)
        if (c == '/') c = '\\';
    return name;
}

// The "new" buttons ------------------------------------------------------

void TForm5::mb6Click() {
    if (busy()) return;
    placeX = -1;
    setcanvas(spw->value(), sph->value(), false);
    // The script's current font first, so the dialog starts from it.
    previewRun();
    platform::FontChoice initial;
    initial.face = print::fontFace(state.pageFont.face);
    initial.pointSize = state.pageFont.size > 0 ? state.pageFont.size : 12;
    initial.height = state.pageFont.height;
    initial.bold = state.pageFont.bold;
    initial.italic = state.pageFont.italic;
    initial.colour = state.pageFont.colour;
    const auto f = platform::askFont(initial);
    if (!f) return;
    sr->setText(QString::fromStdString("FONT " + std::to_string(f->pointSize) + " " + std::to_string(f->height) + " " +
                                       std::to_string(f->colour.r) + " " + std::to_string(f->colour.g) + " " +
                                       std::to_string(f->colour.b) + " " + (f->bold ? "bld " : "thn ") +
                                       (f->italic ? "itl " : "nrm ") + f->face));
    // The sample and the page take the chosen font.
    print::FontSpec fontSpec;
    fontSpec.face = f->face;
    fontSpec.size = f->pointSize;
    fontSpec.height = f->height;
    fontSpec.colour = f->colour;
    fontSpec.bold = f->bold;
    fontSpec.italic = f->italic;
    state.pageFont = fontSpec;
    hooks().previewFont(fontSpec);
}

void TForm5::mb4Click() {
    if (busy()) return;
    placeX = -1;
    setNewButtonsEnabled(false);
    setcanvas(spw->value(), sph->value(), false);
    if (editorState == kIdleState) {
        editorState = kTypingText;
        ins->setText(QString::fromStdString(printCaptions.text(kTypeText, "Type the text and press the button.")));
        sr->setFocus();
        mb7->setCaption(QString::fromStdString(printCaptions.text(kConfirmText, "next")));
        sr->clear();
    }
    previewRun();
}

void TForm5::mb8Click() {
    if (busy()) return;
    placeX = -1;
    setNewButtonsEnabled(false);
    state.lastKeyColour = {0, 0, 0};
    setcanvas(spw->value(), sph->value(), false);
    if (editorState == kIdleState) {
        editorState = kPlacingImage;
        pendingText.clear();
        platform::FileRequest request;
        request.kind = platform::FileRequest::Kind::OpenPicture;
        request.title = mb8->caption().toStdString();
        request.filters = {{"Bitmaps", "*.bmp"}, {"All files", "*.*"}};
        const auto choice = platform::askFile(request);
        if (choice && std::filesystem::path(choice->path).has_extension()) {
            pendingText = pictureName(choice->path);
            ins->setText(QString::fromStdString(printCaptions.text(kClickPlace, "Click the place on the page.")));
            mb7->setCaption(QString::fromStdString(printCaptions.text(kConfirmText, "next")));
            sr->clear();
        } else {
            editorState = kIdleState;
            setNewButtonsEnabled(true);
            ins->setText(QString::fromStdString(printCaptions.text(kIdle, "Instruction: click to button above.")));
            mb7->setCaption(QString::fromStdString(printCaptions.text(kAdd, "add")));
        }
    }
    previewRun();
}

void TForm5::mb9Click() {
    if (busy()) return;
    setNewButtonsEnabled(false);
    setcanvas(spw->value(), sph->value(), false);
    placeX = -1;
    if (editorState == kIdleState) {
        editorState = kEnteringPhase;
        mb7->setCaption(QString::fromStdString(printCaptions.text(kConfirmPhase, "next")));
        ins->setText(QString::fromStdString(printCaptions.text(kMoonPhase, "Type the moon phase (0..100).")));
        sr->setText("50");
    }
}

void TForm5::srChange() {
    if (editorState == kTypingText) lb1->setText(sr->text());
}

// "add" --------------------------------------------------------------------

void TForm5::mb7Click() {
    if (busy()) return;
    const auto caption = [this](int line, const char* fallback) {
        return QString::fromStdString(printCaptions.text(line, fallback));
    };
    const auto finish = [&] {
        ins->setText(caption(kIdle, "Instruction: click to button above."));
        mb7->setCaption(caption(kAdd, "add"));
        editorState = kIdleState;
        setNewButtonsEnabled(true);
    };
    // A text or picture placed without a click is centred at the top.
    const auto align = [this] {
        if (placeX == -1) {
            placeX = 0;
            pendingAlign = "cnt";
        } else {
            pendingAlign = "rgt";
        }
    };
    switch (editorState) {
    case kIdleState: {
        memoToScript();
        state.script.lines.push_back(sr->text().toStdString());
        scriptToMemo();
        Memo1->moveCursor(QTextCursor::End);
        break;
    }
    case kTypingText:
        editorState = kPlacingText;
        placeX = -1;
        placeY = 0;
        pendingText = sr->text().toStdString();
        ins->setText(caption(kClickPlace, "Click the place on the page."));
        mb7->setCaption(caption(kConfirmPlace, "done"));
        break;
    case kPlacingText:
        align();
        sr->setText(QString::fromStdString("TEXT " + std::to_string(placeX) + " " + std::to_string(placeY) + " " +
                                           pendingAlign + " '" + pendingText + "'"));
        finish();
        break;
    case kPlacingImage: {
        align();
        const platform::Rgb k = state.lastKeyColour;
        sr->setText(QString::fromStdString("PICT " + std::to_string(placeX) + " " + std::to_string(placeY) + " " +
                                           std::to_string(k.r) + " " + std::to_string(k.g) + " " + std::to_string(k.b) +
                                           " " + pendingAlign + " '" + pendingText + "'"));
        finish();
        break;
    }
    case kEnteringPhase:
        ins->setText(caption(kMoonLook, "IMAGE or a colour."));
        editorState = kEnteringLook;
        pendingText = sr->text().toStdString();
        sr->setText("IMAGE");
        break;
    case kEnteringLook: {
        ins->setText(caption(kMoonSize, "Type the moon size in pixels."));
        const std::string look = sr->text().toStdString();
        if (upper(look) == "IMAGE") {
            pendingLook = look;
            editorState = kEnteringSize;
        } else if (const auto c = platform::askColour({0, 0, 0}, baseLineOr(layout::base::printmessage::kMoonColourTitle, "Moon colour"))) {
            pendingLook = std::to_string(c->r) + " " + std::to_string(c->g) + " " + std::to_string(c->b);
            editorState = kEnteringSize;
        }
        sr->setText("100");
        break;
    }
    case kEnteringSize:
        editorState = kPlacingMoon;
        ins->setText(caption(kClickPlace, "Click the place on the page."));
        pendingAlign = sr->text().toStdString();
        break;
    case kPlacingMoon:
        sr->setText(QString::fromStdString("MOON " + std::to_string(placeX) + " " + std::to_string(placeY) + " " +
                                           pendingAlign + " " + pendingText + " " + pendingLook));
        finish();
        break;
    default:
        finish();
        break;
    }
}

// The page view ------------------------------------------------------------

void TForm5::pbMouseDown(Qt::MouseButton button, int x, int y) {
    if (busy()) return;
    if (button == Qt::RightButton) saveRequest = true;
    if (button != Qt::LeftButton) return;
    dragging = true;
    dragStart_ = QCursor::pos() + QPoint(ScrollBox1->horizontalScrollBar()->value(), ScrollBox1->verticalScrollBar()->value());
    if (!placing(editorState)) return;
    placeX = print::pageCoordinate(x, state.viewZoom);
    placeY = print::pageCoordinate(y, state.viewZoom);
    sr->setText(QString("X:%1 Y:%2").arg(placeX).arg(placeY));
    memoToScript();
    print::RunResult result;
    {
        Busy busy(*this);
        fillPage();
        const print::RunHooks h = hooks();
        result = print::drawimage(state, state.script.lines, page, h);
        const std::string at = std::to_string(placeX) + " " + std::to_string(placeY);
        if (editorState == kPlacingImage)
            drawPreviewLine("PICT " + at + " 0 0 0 rgt '" + pendingText + "'");
        else if (editorState == kPlacingMoon)
            drawPreviewLine("MOON " + at + " " + pendingAlign + " " + pendingText + " " + pendingLook);
        else
            drawPreviewLine("TEXT " + at + " rgt '" + pendingText + "'");
    }
    scriptToMemo();
    pb->update();
    afterRun(result);
}

void TForm5::pbMouseMove(Qt::MouseButtons buttons, int x, int y) {
    if (busy()) return;
    if (dragging && (buttons & Qt::LeftButton)) {
        const QPoint to = dragStart_ - QCursor::pos();
        ScrollBox1->horizontalScrollBar()->setValue(to.x());
        ScrollBox1->verticalScrollBar()->setValue(to.y());
    }
    if (placing(editorState))
        sr->setText(QString("X:%1 Y:%2")
                        .arg(print::pageCoordinate(x, state.viewZoom))
                        .arg(print::pageCoordinate(y, state.viewZoom)));
}

void TForm5::pbMouseUp(Qt::MouseButton button, int, int) {
    if (button == Qt::LeftButton) dragging = false;
    if (button == Qt::RightButton && saveRequest) {
        saveRequest = false;
        if (!busy()) savePicture();
    }
}

}  // namespace kl
