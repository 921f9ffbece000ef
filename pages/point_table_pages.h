// The point tables on the main window's pages: the correction points grid
// (StringGridCalPoints) and the two density grids (StringGridTargetPWL,
// StringGridCarrierPWL) with their key filter and keys, their count edits, the display steps
// after a page read, and the writers Save calls instead of the generic page write.
#pragma once

#include "pages/point_tables.h"

#include <QMessageBox>
#include <QObject>

#include <functional>

class QKeyEvent;
class QLineEdit;
class QTableWidget;
class QWidget;

namespace tarvix {

class PointTablePages : public QObject {
    Q_OBJECT
  public:
    using MessageFunction = std::function<QMessageBox::StandardButton(
        QMessageBox::Icon, const QString&, QMessageBox::StandardButtons)>;
    struct Context {
        ModbusList& OpList;
        RegisterImage& Image;
        std::function<int()> WorkMode;
        std::function<void()> StartOpList;
        MessageFunction Message;
        // Marks a control as changed by the user (its tag; the density grids' tag is the
        // table's modified flag) and enables Save.
        std::function<void(QWidget*)> AnyEditChange;
    };
    // What a writer did: the codes of the page writes.
    enum WriteResult { kStarted = 0, kRefused = 1, kOffline = 2, kBusy = 3 };

    PointTablePages(QWidget& window, Context context, QObject* parent = nullptr);

    // The column headers from the string table (at start and after a language switch).
    void SetHeaders();

    // The display steps after the page's read has been distributed.
    void ShowPwl();
    void ShowDensity(Fluid fluid);

    // The writers. WriteDensity throws UserError with the message of a cell or count that is
    // no value; nothing is sent then.
    int WritePwl();
    int WriteDensity(Fluid fluid);
    // Whether the fluid page's method combo shows the piecewise-linear table.
    bool TableMethod(Fluid fluid) const;

    QTableWidget* PwlGrid() const { return pwl_; }
    QTableWidget* Grid(Fluid fluid) const { return fluid == Fluid::Target ? target_ : carrier_; }
    QLineEdit* CountEdit(Fluid fluid) const;
    // The point rows as the grid shows them, and back.
    static PointCells Cells(const QTableWidget& grid);
    static void SetCells(QTableWidget& grid, const PointCells& cells);
    // Rows read from a table file (as many as it held, from the first): the table is
    // modified, the page may be saved.
    void LoadRows(Fluid fluid, const PointCells& rows);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    class CellDelegate;
    void Prepare(QTableWidget* grid);
    // The key filter and keys of a grid, for the grid itself and for its cell editor; true
    // when the key was dealt with here.
    bool HandleKey(QTableWidget& grid, QKeyEvent& key, QLineEdit* editor);
    void CompactPwlGrid();
    void InsertPwlRow(int row);
    QChar Sep() const { return sep_; }

    QWidget& window_;
    Context ctx_;
    QTableWidget* pwl_ = nullptr;
    QTableWidget* target_ = nullptr;
    QTableWidget* carrier_ = nullptr;
    QChar sep_;
};

}  // namespace tarvix
