#pragma once

#include "PrintTables.h"
#include "TALL.h"
#include "TLanguage.h"
#include "model/TEnMsg.h"
#include "model/TFrqList.h"
#include "model/TFun.h"
#include "model/TMacList.h"
#include "model/TTestFre.h"

#include <QString>

/**
 * Everything start-up creates before any window exists: the application
 * state, the model catalogue, the band list, the codeplug records and the
 * message texts. Windows, sessions and the command-line tool receive it by
 * reference; a test may build as many as it likes, each with its own
 * application directory.
 */
class AppContext {
  public:
    /** Runs the start-up sequence against the settings and language files in appDir. */
    explicit AppContext(const QString& appDir);

    AppContext(const AppContext&) = delete;
    AppContext& operator=(const AppContext&) = delete;

    TALL& all() { return m_all; }
    const TALL& all() const { return m_all; }
    const TMacList& models() const { return m_models; }
    const TFrqList& bands() const { return m_bands; }
    TFun& fun() { return m_fun; }
    const TFun& fun() const { return m_fun; }
    TEnMsg& message() { return m_message; }
    const TEnMsg& message() const { return m_message; }
    TTestFre& testFre() { return m_testFre; }
    TLanguage& texts() { return m_texts; }
    /** The header and item tables of the last print preparation. */
    PrintTables& printTables() { return m_print; }
    const TLanguage& texts() const { return m_texts; }

    /** The first model with its default band, as the main window's first showing makes them. */
    void SelectFirstModel();

    /** Function settings to their defaults and the message empty; test frequencies stay. */
    void ResetCodeplug();

  private:
    PrintTables m_print;
    TMacList m_models;
    TALL m_all;
    TTestFre m_testFre;
    TEnMsg m_message;
    TFun m_fun;
    TFrqList m_bands;
    TLanguage m_texts;
};

/**
 * The application directory with a trailing separator: homeOption when it is
 * not empty, else the environment variable QX7_HOME, else the directory of
 * the running executable.
 */
QString ResolveAppDir(const QString& homeOption = {});
