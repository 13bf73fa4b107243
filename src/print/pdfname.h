// The file a printout on "PDF-Datei" is offered under: the report's name
// and the company ("Amortisations-Tabelle Muster GmbH.pdf"), in the folder
// the user last saved a PDF to, at first the user's documents folder.
#pragma once

#include <QString>

// "report company", or report alone when the company is empty.
QString PdfDocumentName(const QString& report, const QString& company);

// The file name (without folder) for a document name: every character a
// file name cannot hold here or on a Windows share (path separators,
// control characters, < > : " | ? *) becomes "_", blanks and full stops
// are trimmed from both ends, the name is cut to what a file system takes
// (255 bytes with ".pdf"), and ".pdf" is appended. An empty name gives
// "Ausdruck.pdf".
QString PdfFileName(const QString& documentName);

// The folder of the first PDF of a run: the user's documents folder
// (created if it is missing), else the home folder. Never the program's
// folder.
QString DefaultPdfFolder();

// lastFolder (empty: DefaultPdfFolder()) joined with PdfFileName.
QString PdfProposal(const QString& lastFolder, const QString& documentName);
