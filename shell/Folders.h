#pragma once
// Where the file dialogs start: the folder the planner last used, kept in
// Qt's settings, else the documents folder.
#include <QString>
#include <string>

class QPrinter;

namespace shell {

QString startFolder();
// Keeps the folder of a file the user chose for the next dialog.
void rememberFolderOf(const QString& file);

// "<Projekt-Nr.>.pdf" in the start folder.
QString pdfProposal(const std::string& projectNumber);
// Printing to a file proposes that name; a printer, where there is one,
// stays the first choice.
void proposePdfFile(QPrinter& printer, const std::string& projectNumber);

}  // namespace shell
