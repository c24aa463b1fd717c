#pragma once
// The printer as the report sees it: text placed by character columns, lines,
// fonts and pages.
#include <string>

namespace tk {

class Printer {
public:
    virtual ~Printer() = default;
    virtual void beginDocument() = 0;
    // Continues the line at character column `column`, counted from 1; a
    // line already past it continues at that column of the next line.
    virtual void tab(int column) = 0;
    // Prints at the current position and continues the line.
    virtual void text(const std::string& text) = 0;
    virtual void endLine() = 0;
    virtual void setFont(const std::string& name, double size, bool bold) = 0;
    virtual void newPage() = 0;
    // The page being printed, from 1.
    virtual int pageNumber() const = 0;
    // Sends the document to the printer.
    virtual void endDocument() = 0;
    // Why the document cannot be printed or was not sent, in German; empty
    // while all is well. Asked after beginDocument and after endDocument.
    virtual std::string failure() const = 0;
};

}  // namespace tk
