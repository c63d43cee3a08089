#include "workbench/view/text_file_grid.h"

#include <QFile>
#include <QStringList>

#include "model/file/cp1250.h"
#include "model/grid.h"

namespace spf {

bool LoadTextFile(Grid& grid, const QString& path, QChar separator, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error) *error = file.errorString();
        return false;
    }
    const QByteArray bytes = file.readAll();
    QString text = QString::fromStdString(
        Cp1250ToUtf8(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size()))));
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QStringList lines = text.split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.back().isEmpty()) lines.removeLast();
    std::vector<QStringList> rows;
    int columns = grid.Columns();
    for (const QString& line : lines) {
        rows.push_back(line.split(separator));
        columns = std::max(columns, static_cast<int>(rows.back().size()));
    }
    if (columns > grid.Columns()) grid.SetColumns(columns);
    if (static_cast<int>(rows.size()) > grid.Rows()) grid.SetRows(static_cast<int>(rows.size()));
    // Written after resizing, which labels the header cells.
    for (size_t r = 0; r < rows.size(); ++r)
        for (qsizetype c = 0; c < rows[r].size(); ++c)
            grid.At(static_cast<int>(c), static_cast<int>(r)).Cells = rows[r][c].toStdString();
    return true;
}

}  // namespace spf
