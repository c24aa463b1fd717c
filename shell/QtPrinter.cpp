#include "shell/QtPrinter.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>

#include "toolkit/NumberText.h"

namespace shell {

void QtPrinter::beginDocument() {
    printer_.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                       QMarginsF(15, 10, 15, 10), QPageLayout::Millimeter));
    failure_.clear();
    if (!painter_.begin(&printer_)) {
        failure_ = failureText(true);
        return;
    }
    const QRect paint = printer_.pageLayout().paintRectPixels(printer_.resolution());
    area_ = QRectF(0, 0, paint.width(), paint.height());
    cellWidth_ = area_.width() / kColumns;
    lineHeight_ = area_.height() / kLines;
    QFont courier(QStringLiteral("Courier New"));
    courier.setStyleHint(QFont::Monospace);
    courier.setPointSizeF(10);
    const double advance = QFontMetricsF(courier, &printer_).horizontalAdvance(QLatin1Char('M'));
    fontScale_ = advance > 0 ? cellWidth_ / advance : 1;
    painter_.setClipRect(area_);
    setFont("Courier New", 10, false);
    column_ = line_ = 0;
    page_ = 1;
}

void QtPrinter::tab(int column) {
    if (column_ > column - 1) endLine();
    column_ = std::max(column_, column - 1);
}

void QtPrinter::text(const std::string& text) {
    const QRectF cell(column_ * cellWidth_, line_ * lineHeight_, area_.width(), lineHeight_);
    painter_.drawText(cell, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                      QString::fromStdString(text));
    column_ += static_cast<int>(tk::characterCount(text));
}

void QtPrinter::endLine() {
    ++line_;
    column_ = 0;
}

void QtPrinter::setFont(const std::string& name, double size, bool bold) {
    QFont font(QString::fromStdString(name));
    font.setStyleHint(name == "Arial" ? QFont::SansSerif : QFont::Monospace);
    font.setPointSizeF(size * fontScale_);
    font.setBold(bold);
    painter_.setFont(font);
}

void QtPrinter::newPage() {
    if (!printer_.newPage()) noteError();
    ++page_;
    line_ = column_ = 0;
}

void QtPrinter::endDocument() {
    if (!painter_.isActive()) return;
    const bool ended = painter_.end();
    if (!ended || printer_.printerState() == QPrinter::Error ||
        printer_.printerState() == QPrinter::Aborted)
        noteError();
}

void QtPrinter::noteError() {
    if (failure_.empty()) failure_ = failureText(false);
}

std::string QtPrinter::failureText(bool opening) const {
    if (printer_.outputFormat() == QPrinter::PdfFormat)
        return "Die Datei " + printer_.outputFileName().toStdString() +
               (opening ? " lässt sich nicht anlegen." : " lässt sich nicht schreiben.");
    const std::string name = printer_.printerName().toStdString();
    return "Der Drucker " + (name.empty() ? std::string() : name + " ") +
           (opening ? "lässt sich nicht öffnen." : "meldet einen Fehler.");
}

}  // namespace shell
