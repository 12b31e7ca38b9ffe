#pragma once

#include <QListWidget>
#include <span>

namespace korvo {

class CCommandActions;

// A list of commands that the user drags between: the commands on offer, the buttons of a bar,
// the entries of a menu. The list itself changes nothing; it reports what was dropped where,
// and its owner rebuilds it from the bar or menu.
class CCommandListWidget : public QListWidget {
    Q_OBJECT

public:
    explicit CCommandListWidget(QWidget* parent);

    // Shows `commands` (0 a separator) with their images and names.
    void ShowCommands(const CCommandActions& actions, std::span<const int> commands);
    // Everything that can go on a bar or into a menu; "Grid..." when `withGrid`.
    void ShowPalette(const CCommandActions& actions, bool withGrid);

    // The command of a row; 0 for a separator or no row.
    int CommandAt(int row) const;

    // The text and image a command shows in these lists.
    static QString NameOf(const CCommandActions& actions, int id);

    // What a dragged command carries: its id and the row it came from. Reading fails for data
    // of another kind or a damaged payload.
    static QMimeData* MimeFor(int command, int row);
    static bool ReadMime(const QMimeData& data, int& command, int& row);

signals:
    // `command` came from row `sourceRow` of `source` and was let go before row `row` (count()
    // for the end).
    void Dropped(int command, int sourceRow, QObject* source, int row);

protected:
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QList<QListWidgetItem*>& items) const override;
    Qt::DropActions supportedDropActions() const override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void AddRow(const CCommandActions& actions, int id);
    int DropRow(const QPoint& at) const;
};

}  // namespace korvo
