#include "platform/widgets/dialogs.h"

#include <cmath>
#include <utility>

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

#include "platform/identity.h"

namespace kl::platform {

namespace {

FileHandler& fileHandler() {
    static FileHandler h;
    return h;
}
FontHandler& fontHandler() {
    static FontHandler h;
    return h;
}
ColourHandler& colourHandler() {
    static ColourHandler h;
    return h;
}
QuestionHandler& questionHandler() {
    static QuestionHandler h;
    return h;
}
PrintHandler& printHandler() {
    static PrintHandler h;
    return h;
}

// Without a GUI application there is nobody to ask: every dialog is cancelled.
bool haveDesktop() { return qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr; }

QWidget* dialogParent() { return QApplication::activeWindow(); }

QString filterText(const std::pair<std::string, std::string>& f) {
    QString patterns = QString::fromStdString(f.second);
    patterns.replace(';', ' ');
    return QString::fromStdString(f.first) + " (" + patterns + ")";
}

}  // namespace

std::optional<FileChoice> askFile(const FileRequest& request) {
    if (fileHandler()) return fileHandler()(request);
    if (!haveDesktop()) return std::nullopt;
    const bool save = request.kind == FileRequest::Kind::Save || request.kind == FileRequest::Kind::SavePicture;
    QFileDialog dialog(dialogParent(), QString::fromStdString(request.title));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    QStringList filters;
    for (const auto& f : request.filters) filters << filterText(f);
    dialog.setNameFilters(filters);
    if (request.defaultFilter >= 1 && request.defaultFilter <= filters.size())
        dialog.selectNameFilter(filters[request.defaultFilter - 1]);
    if (!request.defaultSuffix.empty()) dialog.setDefaultSuffix(QString::fromStdString(request.defaultSuffix));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    FileChoice choice;
    choice.path = dialog.selectedFiles().front().toStdString();
    const int index = static_cast<int>(filters.indexOf(dialog.selectedNameFilter()));
    choice.filterIndex = index >= 0 ? index + 1 : 1;
    return choice;
}

FileHandler setFileHandler(FileHandler handler) { return std::exchange(fileHandler(), std::move(handler)); }

int heightOfPoints(int pointSize) {
    return -static_cast<int>(std::lround(pointSize * 96.0 / 72.0));
}

std::optional<FontChoice> askFont(const FontChoice& initial) {
    if (fontHandler()) return fontHandler()(initial);
    if (!haveDesktop()) return std::nullopt;
    QFont start(QString::fromStdString(initial.face), initial.pointSize);
    start.setBold(initial.bold);
    start.setItalic(initial.italic);
    bool ok = false;
    const QFont font = QFontDialog::getFont(&ok, start, dialogParent(), QObject::tr("Font"));
    if (!ok) return std::nullopt;
    FontChoice choice;
    choice.face = font.family().toStdString();
    choice.pointSize = font.pointSize() > 0 ? font.pointSize() : initial.pointSize;
    choice.height = heightOfPoints(choice.pointSize);
    choice.bold = font.bold();
    choice.italic = font.italic();
    // The font dialog has no colour: it is asked for next, and a cancelled
    // colour keeps the one the font had.
    const QColor c = QColorDialog::getColor(QColor(initial.colour.r, initial.colour.g, initial.colour.b),
                                            dialogParent(), QObject::tr("Font colour"));
    choice.colour = c.isValid() ? Rgb{static_cast<std::uint8_t>(c.red()), static_cast<std::uint8_t>(c.green()),
                                      static_cast<std::uint8_t>(c.blue())}
                                : initial.colour;
    return choice;
}

FontHandler setFontHandler(FontHandler handler) { return std::exchange(fontHandler(), std::move(handler)); }

std::optional<Rgb> askColour(Rgb initial, const std::string& title) {
    if (colourHandler()) return colourHandler()(initial, title);
    if (!haveDesktop()) return std::nullopt;
    const QColor c = QColorDialog::getColor(QColor(initial.r, initial.g, initial.b), dialogParent(),
                                            QString::fromStdString(title));
    if (!c.isValid()) return std::nullopt;
    return Rgb{static_cast<std::uint8_t>(c.red()), static_cast<std::uint8_t>(c.green()),
               static_cast<std::uint8_t>(c.blue())};
}

ColourHandler setColourHandler(ColourHandler handler) {
    return std::exchange(colourHandler(), std::move(handler));
}

Answer askQuestion(const std::string& text, QWidget* over) {
    if (questionHandler()) return questionHandler()(text);
    if (!haveDesktop()) return Answer::Cancel;
    QMessageBox box(QMessageBox::Question, QString(kProgramTitle), QString::fromStdString(text),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, over ? over : dialogParent());
    box.setDefaultButton(QMessageBox::Yes);
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    switch (box.exec()) {
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    default: return Answer::Cancel;
    }
}

QuestionHandler setQuestionHandler(QuestionHandler handler) {
    return std::exchange(questionHandler(), std::move(handler));
}

bool askPrint(QPrinter& printer) {
    if (printHandler()) return printHandler()(printer);
    if (!haveDesktop()) return false;
    QPrintDialog dialog(&printer, dialogParent());
    return dialog.exec() == QDialog::Accepted;
}

PrintHandler setPrintHandler(PrintHandler handler) { return std::exchange(printHandler(), std::move(handler)); }

}  // namespace kl::platform
