#pragma once

#include <QString>
#include <QStringList>
#include <QStyledItemDelegate>

namespace korvo {

// Draws a character row under the words of the column title: the row's tab-separated parts that
// are not blank go, in order, under "Number", "Char", "ANSI" and "OEM". The row's text itself
// stays as it is.
class CCharRowDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    CCharRowDelegate(const QString& title, QObject* parent);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

private:
    QStringList words_;
    QString title_;
};

}  // namespace korvo
