#pragma once

/** A progress bar on standard error, drawn only when it is a terminal. */
class ProgressBar {
  public:
    ProgressBar();
    ~ProgressBar();
    void Show(int value, int maximum);
    /** Ends the bar's line, if one was drawn. */
    void Finish();

  private:
    bool m_enabled;
    bool m_drawn = false;
};
