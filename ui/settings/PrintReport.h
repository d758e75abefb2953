#pragma once

#include "app/Result.h"

#include <QString>

#include <functional>
#include <memory>

class FileDialogs;
class PrintTables;
class QPrinter;
class QTextDocument;
class QWidget;

/**
 * The printout: a report made only from the two print tables, the header
 * row as a title block, then each group with its item rows.
 */
class PrintReport {
  public:
    static std::unique_ptr<QTextDocument> Build(const PrintTables& tables);
    /**
     * Writes the report as PDF, never leaving a half-written file; a failure
     * names the file.
     */
    static Result<void> WritePdf(const PrintTables& tables, const QString& path);

    /** Where "Save as PDF" in the preview asks for a file and reports a failure. */
    struct PdfTarget {
        FileDialogs& dialogs;
        /** The name the save dialog offers. */
        QString suggested;
        std::function<void(const QString& error)> report;
    };
    /** The preview window, from which the report can be printed or saved as PDF. */
    static void Preview(const PrintTables& tables, QWidget* parent, const PdfTarget& pdf);
    /** The platform's print dialog, then the report on the chosen printer (or PDF file). */
    static void Print(const PrintTables& tables, QWidget* parent);

  private:
    static void render(const PrintTables& tables, QPrinter* printer);
};
