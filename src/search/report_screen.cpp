#include "search/report_screen.h"

#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

namespace tlm::screens {

namespace {

QStringList rowValues(const Recordset& recordset)
{
    QStringList values;
    values.reserve(recordset.fieldCount());
    for (int i = 0; i < recordset.fieldCount(); ++i)
        values << recordset.text(i);
    return values;
}

} // namespace

report::Rows rowsOf(Recordset& recordset)
{
    report::Rows rows;
    rows.columns = recordset.layout().columns;
    if (recordset.RecordCount() == 0)
        return rows;
    rows.values.reserve(size_t(recordset.RecordCount()));
    // Wherever the shared cursor stood, the report starts at the first row.
    recordset.MoveFirst();
    while (!recordset.isEOF()) {
        rows.values.push_back(rowValues(recordset));
        recordset.MoveNext();
    }
    recordset.MoveFirst();
    return rows;
}

report::Rows currentRowOf(Recordset& recordset)
{
    report::Rows rows;
    rows.columns = recordset.layout().columns;
    rows.values.push_back(rowValues(recordset));
    return rows;
}

ReportScreen::ReportScreen(Program& program, std::shared_ptr<const report::Design> design, QString documentName)
    : Screen(program), design_(std::move(design)), documentName_(std::move(documentName))
{
    viewer = new report::ReportViewer(program.printer(), program.saveDialog(), this);
    // The viewer's commands are Qt's: what reaches this screen goes through the event guard.
    viewer->Error = [this](report::ReportJob job, int cookie, const report::ReportError& error, bool& showError) {
        manager().runHandler([&] { DataReport_Error(int(job), cookie, error, showError); });
    };
    viewer->closeRequested = [this] { requestClose(); };
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(viewer);
    resize(1000, 760);
}

void ReportScreen::Refresh()
{
    auto rows = std::make_shared<const report::Rows>(readRows());
    viewer->setReport(report::Layout::build(design_, std::move(rows), program.clock().now()), documentName_);
}

void ReportScreen::Show()
{
    Refresh();
    Screen::Show();
    raise();
    activateWindow();
}

void ReportScreen::DataReport_Error(int, int, const report::ReportError&, bool& ShowError)
{
    msgBox(QStringLiteral("A Printing Error Has Occurred...") +
               QStringLiteral("You May Not Have A Printer Installed Or Is Installed Incorrectly."),
           vbCritical);
    ShowError = false;
}

void paintHouseMark(QPainter& painter, const QRectF& box)
{
    const qreal s = qMin(box.width(), box.height());
    const QRectF r(box.center().x() - s / 2, box.center().y() - s / 2, s, s);
    const auto at = [&r, s](qreal x, qreal y) { return QPointF(r.left() + x * s, r.top() + y * s); };
    const QColor ink(24, 48, 96);
    painter.setRenderHint(QPainter::Antialiasing);

    painter.setPen(Qt::NoPen);
    painter.setBrush(ink);
    painter.drawRect(QRectF(at(0.68, 0.12), at(0.78, 0.36))); // chimney

    QPainterPath roof;
    roof.moveTo(at(0.02, 0.50));
    roof.lineTo(at(0.50, 0.06));
    roof.lineTo(at(0.98, 0.50));
    roof.lineTo(at(0.88, 0.50));
    roof.lineTo(at(0.50, 0.18));
    roof.lineTo(at(0.12, 0.50));
    roof.closeSubpath();
    painter.drawPath(roof);

    painter.setPen(QPen(ink, s * 0.05, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolyline(QPolygonF({at(0.20, 0.46), at(0.20, 0.95), at(0.80, 0.95), at(0.80, 0.46)}));

    painter.setPen(Qt::NoPen);
    painter.setBrush(ink);
    painter.drawRect(QRectF(at(0.44, 0.64), at(0.58, 0.95))); // door
    const QRectF window(at(0.28, 0.58), at(0.38, 0.70));
    painter.drawRect(window);
    painter.setBrush(Qt::white);
    const qreal bar = s * 0.015;
    painter.drawRect(QRectF(window.center().x() - bar / 2, window.top(), bar, window.height()));
    painter.drawRect(QRectF(window.left(), window.center().y() - bar / 2, window.width(), bar));
}

} // namespace tlm::screens
