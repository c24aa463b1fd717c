#pragma once
// The report's printer on a Qt printer: a grid of 96 columns and 72 lines
// on A4 portrait inside margins of 15 mm left and right and 10 mm top and
// bottom; every font is scaled by one factor so that a Courier cell fills a
// grid cell.
#include <QFont>
#include <QPainter>
#include <QPrinter>

#include "toolkit/Printer.h"

namespace shell {

class QtPrinter : public tk::Printer {
public:
    static constexpr int kColumns = 96;
    static constexpr int kLines = 72;

    explicit QtPrinter(QPrinter& printer) : printer_(printer) {}

    void beginDocument() override;
    void tab(int column) override;
    void text(const std::string& text) override;
    void endLine() override;
    void setFont(const std::string& name, double size, bool bold) override;
    void newPage() override;
    int pageNumber() const override { return page_; }
    void endDocument() override;

private:
    QPrinter& printer_;
    QPainter painter_;
    QRectF area_;
    double cellWidth_ = 0;
    double lineHeight_ = 0;
    double fontScale_ = 1;
    int column_ = 0;
    int line_ = 0;
    int page_ = 1;
};

}  // namespace shell
