#pragma once

namespace qv {

// What a view of the item table follows. Rows are table rows (1 is the first
// item row, 0 the heading row); columns are real columns. Every structural
// change is announced before and after it, as item models need the "before"
// to keep their persistent indexes; cell, heading, layout, colour and cursor
// changes only after. A batch (ItemTable::Batch) turns everything inside it
// into one reset.
class ItemTableObserver {
public:
    virtual ~ItemTableObserver() = default;

    virtual void rowsAboutToBeInserted(int /*first*/, int /*last*/) {}
    virtual void rowsInserted(int /*first*/, int /*last*/) {}
    virtual void rowsAboutToBeRemoved(int /*first*/, int /*last*/) {}
    virtual void rowsRemoved(int /*first*/, int /*last*/) {}
    // One row goes from `from` to `to`; the rows between shift by one.
    virtual void rowAboutToBeMoved(int /*from*/, int /*to*/) {}
    virtual void rowMoved(int /*from*/, int /*to*/) {}
    // One column goes from `from` to `to`, cells, width and visibility with it.
    virtual void columnAboutToBeMoved(int /*from*/, int /*to*/) {}
    virtual void columnMoved(int /*from*/, int /*to*/) {}
    virtual void tableAboutToBeReset() {}
    virtual void tableReset() {}

    // A rectangle of item cells, inclusive.
    virtual void cellsChanged(int /*firstRow*/, int /*lastRow*/, int /*firstColumn*/, int /*lastColumn*/) {}
    // The heading row's texts (a language change, a heading written).
    virtual void headingsChanged() {}
    // Hidden columns, widths, grid mode.
    virtual void columnLayoutChanged() {}
    // The category colours of the rows.
    virtual void coloursChanged() {}
    virtual void cursorChanged(int /*row*/, int /*column*/) {}
    virtual void modifiedChanged(bool /*modified*/) {}
};

}  // namespace qv
