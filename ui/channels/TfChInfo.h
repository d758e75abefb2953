#pragma once

#include <QWidget>

#include <functional>

class AppContext;
class ChannelStore;
class ChannelTableModel;
class FrequencyDelegate;
class Prompter;
class QComboBox;
class QKeyEvent;
class QLabel;
class QListWidget;
class QTableView;

/**
 * The channel table window "Channel Information": the grid gvData over the
 * channel store, edited in place in the RX and TX columns and through five
 * drop-down editors placed over the other cells.
 */
class TfChInfo : public QWidget {
    Q_OBJECT

  public:
    TfChInfo(AppContext& ctx, ChannelStore& store, Prompter& prompter, QWidget* parent = nullptr);
    ~TfChInfo() override;

    /** The first showing: translation, None text, columns, rows. */
    void FormShow();
    /** After a language change: translated texts, captions, None and list items in the cells. */
    void RelabelCells();
    /** Ends an in-place edit (committing it) and hides the drop-down editors. */
    void EndEditing();

    /** The channel of the current row (1 when there is none). */
    int CurrentChannel() const;
    /** Makes a cell current, as a click on it does (rows and columns from 1). */
    void SelectCell(int row, int col);
    /** Makes a cell current and shows it, as the arrow keys do (rows and columns from 1). */
    void ShowChannel(int channel, int column);
    /** Places the drop-down editor of the current cell, where one belongs. */
    void ShowCellEditor();

    QTableView* Grid() const { return m_grid; }
    ChannelTableModel* Model() const { return m_model; }
    /** Opens the tone picker; tests replace it. */
    std::function<QString()> PickTone;
    /** The width the grid needs: the ten columns plus 30 pixels. */
    int TableWidth() const;

  signals:
    /** The table wants a new height (rows rebuilt). */
    void heightWanted(int height);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QComboBox* makeToneEditor(const char* name);
    QComboBox* makeListEditor(const char* name, const QStringList& list);
    void applyColumns();
    /** Texts a column shows, to give it room for them. */
    QStringList sampleTexts(int col) const;
    void onPressed(int row, int col);
    void commitEditor(QComboBox* editor);
    /** Closes the open editor; keepTyping commits what was typed into a tone editor. */
    void closeEditor(bool keepTyping);
    void hideEditors();
    /** An arrow or page key in an editor: the grid moves, the editor follows. */
    void moveFromEditor(const QKeyEvent* key);
    bool editorKey(QComboBox* combo, const QKeyEvent* key);
    QStringList items(const QComboBox* combo) const;

    AppContext& m_ctx;
    ChannelStore& m_store;
    Prompter& m_prompter;
    QTableView* m_grid;
    ChannelTableModel* m_model;
    FrequencyDelegate* m_delegate;
    QComboBox* m_cbQT;
    QComboBox* m_cbDQT;
    QComboBox* m_cbfsgl;
    QComboBox* m_cbkz;
    QComboBox* m_cbHave;
    QLabel* m_lNone;
    QListWidget* m_columnList;
    int m_row = 1;
    int m_col = 1;
    /** The editor placed over a cell, and that cell: it commits there, wherever the grid moved. */
    QComboBox* m_openEditor = nullptr;
    int m_editRow = 0;
    int m_editCol = 0;
};
