#include "dialogs/CharRowDelegate.h"

#include <QApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QStyle>

namespace korvo {

CCharRowDelegate::CCharRowDelegate(const QString& title, QObject* parent)
    : QStyledItemDelegate(parent),
      words_(title.split(QStringLiteral(" - "), Qt::SkipEmptyParts)),
      title_(title) {}

void CCharRowDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const {
    QStyleOptionViewItem item(option);
    initStyleOption(&item, index);
    const QString text = item.text;
    item.text.clear();
    const QStyle* style = item.widget != nullptr ? item.widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &item, painter, item.widget);

    const QRect area = style->subElementRect(QStyle::SE_ItemViewItemText, &item, item.widget);
    const QFontMetrics metrics(item.font);
    const bool selected = (item.state & QStyle::State_Selected) != 0;
    const QPalette::ColorGroup group =
        (item.state & QStyle::State_Enabled) != 0 ? QPalette::Normal : QPalette::Disabled;
    painter->save();
    painter->setFont(item.font);
    painter->setPen(
        item.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text));
    int column = 0;
    for (const QString& part : text.split(QLatin1Char('\t'))) {
        if (part.trimmed().isEmpty() || column >= words_.size()) {
            continue;
        }
        const int left = metrics.horizontalAdvance(title_.left(title_.indexOf(words_[column])));
        const QRect cell(area.left() + left, area.top(), area.width() - left, area.height());
        painter->drawText(cell, Qt::AlignLeft | Qt::AlignVCenter, part.trimmed());
        ++column;
    }
    painter->restore();
}

}  // namespace korvo
