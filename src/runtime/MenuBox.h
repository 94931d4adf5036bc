#pragma once

#include <QFrame>
#include <QImage>
#include <QListWidget>
#include <QStyledItemDelegate>

#include "MenuModel.h"

class QVBoxLayout;

namespace rnv {

// One of the three boxes: its colour or picture, and a heading in the box's
// own font and text colour above the content.
class MenuBox final : public QFrame {
    Q_OBJECT
public:
    MenuBox(const BoxLook& look, const QImage& picture, const QString& heading, QWidget* parent = nullptr);
    void setContent(QWidget* content);
    const QString& heading() const { return m_heading; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const BoxLook& m_look;
    QImage m_picture;
    QString m_heading;
    QVBoxLayout* m_layout;
};

// Draws the entries of a list with the design's text font, colour and effect.
class EffectDelegate final : public QStyledItemDelegate {
    Q_OBJECT
public:
    EffectDelegate(const TextLook& text, int iconSize, QObject* parent = nullptr);
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    const TextLook& m_text;
    int m_iconSize;
};

// A list that lets the box show through.
class MenuList final : public QListWidget {
    Q_OBJECT
public:
    MenuList(const TextLook& text, int iconSize, QWidget* parent = nullptr);
};

}  // namespace rnv
