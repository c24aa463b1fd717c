#pragma once
// The report's printer on a Qt printer: a grid of 96 columns and 72 lines
// on A4 portrait inside margins of 15 mm left and right and 10 mm top and
// bottom; every font is scaled by one factor so that a Courier cell fills a
// grid cell. A printer or PDF file that cannot be opened, or that reports an
// error, is its failure.
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
    std::string failure() const override { return failure_; }

private:
    // The printer or PDF file named in the failure: it cannot be opened, or
    // it reported an error while printing.
    std::string failureText(bool opening) const;
    void noteError();

    QPrinter& printer_;
    QPainter painter_;
    QRectF area_;
    double cellWidth_ = 0;
    double lineHeight_ = 0;
    double fontScale_ = 1;
    int column_ = 0;
    int line_ = 0;
    int page_ = 1;
    std::string failure_;
};

}  // namespace shell
