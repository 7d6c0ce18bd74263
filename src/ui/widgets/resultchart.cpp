#include "ui/widgets/resultchart.h"

#include "book/quiz/records.h"
#include "book/texts.h"
#include "ui/widgets/focusmark.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <QPainter>
#include <QPainterPath>

namespace {

const QColor kInk(0x33, 0x2a, 0x22);
const QColor kAccent(0x2e, 0x6d, 0xa4);
const QColor kRight(0x2e, 0x7d, 0x32);
const QColor kWrong(0xc6, 0x28, 0x28);
const QColor kTrack(0xe6, 0xdf, 0xd3);
const QColor kEarlier(0x6b, 0x5d, 0x50);   // an earlier result, beside the current one
// Band fills from calm to warm.
const QColor kBandColours[] = {QColor(0xd6, 0xe9, 0xd2), QColor(0xe8, 0xef, 0xc8), QColor(0xf6, 0xec, 0xbf),
                               QColor(0xf7, 0xd9, 0xb4), QColor(0xf2, 0xc4, 0xae), QColor(0xe9, 0xb3, 0xb0)};

constexpr int kSummaryHeight = 26;
constexpr int kButtonsHeight = 34;   // the row of the save and print buttons

} // namespace

ResultChart::ResultChart(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("ResultChart"));
    setFocusPolicy(Qt::StrongFocus);   // a screen reader reads its summary; a column chart takes keys
    // The buttons sit in the chart's top right corner, in the row kept free for them.
    int right = 12;
    for (const auto &[name, key, signal] : {std::tuple{"PrintResult", "report.print", &ResultChart::printRequested},
                                           std::tuple{"SaveResult", "report.save", &ResultChart::saveRequested}}) {
        auto *button = new QPushButton(Quiz::commonText(QString::fromLatin1(key)), this);
        button->setObjectName(QString::fromLatin1(name));
        button->resize(qMax(90, button->sizeHint().width()), 28);
        button->setProperty("rightMargin", right);
        right += button->width() + 8;
        connect(button, &QPushButton::clicked, this, signal);
    }
}

void ResultChart::resizeEvent(QResizeEvent *)
{
    for (auto *button : findChildren<QPushButton *>())
        button->move(width() - button->property("rightMargin").toInt() - button->width(), 8);
}

int ResultChart::drawingHeight(Quiz::ChartModel::Kind kind)
{
    switch (kind) {
    case Quiz::ChartModel::Kind::Scale:
        return 180;
    case Quiz::ChartModel::Kind::Marks:
        return 170;
    case Quiz::ChartModel::Kind::Bars:
        return 250;
    case Quiz::ChartModel::Kind::Columns:
        return 224;
    case Quiz::ChartModel::Kind::Balances:
        return 224;
    }
    return 200;
}

QRect ResultChart::drawingArea(const QRect &area) const
{
    const QRect inner = area.adjusted(16, 10, -16, -10);
    return QRect(inner.left(), inner.top() + kButtonsHeight, inner.width(),
                 drawingHeight(m_model.kind) - 20 - kButtonsHeight - (m_model.summary.isEmpty() ? 0 : kSummaryHeight));
}

void ResultChart::setModel(const Quiz::ChartModel &model)
{
    m_model = model;
    // Named by what it shows on screen: its caption and the questionnaire it belongs to.
    setAccessibleName(Quiz::commonText(QStringLiteral("chart.name")).arg(Quiz::commonText(QStringLiteral("chart.caption")), m_model.name));
    setAccessibleDescription(m_model.description());
    setCursor(m_model.kind == Quiz::ChartModel::Kind::Columns ? Qt::PointingHandCursor : Qt::ArrowCursor);
    m_picked = 0;
    update();
}

void ResultChart::setPrevious(const QVector<int> &figures, const QString &when, const QString &inWords)
{
    m_previous = figures;
    m_previousCaption = figures.isEmpty() ? QString()
                                          : TextData::text(QStringLiteral(":/data/records.txt"), QStringLiteral("chart.previous.heard"))
                                                .arg(when, inWords);
    update();
}

int ResultChart::guideHeight(const QString &guide, const QFont &font, int width)
{
    return QFontMetrics(font).boundingRect(QRect(0, 0, width, 10000), Qt::TextWordWrap, guide).height();
}

void ResultChart::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    paintChart(painter, rect());
    // The window's focus ring marks the chart; the picked letter of a column chart has its own mark.
    if (hasFocus() && m_model.kind == Quiz::ChartModel::Kind::Columns && m_picked < m_model.items.size())
        drawFocusMark(painter, *this, columnLetterRect(drawingArea(rect()), m_picked).adjusted(4, 0, -4, -1));
}

void ResultChart::paintChart(QPainter &p, const QRect &area) const
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setFont(font());
    p.setPen(QColor(0xc9, 0xbd, 0xaa));
    p.setBrush(QColor(0xfd, 0xfb, 0xf6));
    p.drawRoundedRect(QRectF(area).adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);
    const QRect inner = area.adjusted(16, 10, -16, -10);
    const QRect drawing = drawingArea(area);
    QFont captionFont = font();
    captionFont.setBold(true);
    captionFont.setPixelSize(font().pixelSize() + 2);
    p.setFont(captionFont);
    p.setPen(kInk);
    const QString caption = Quiz::commonText(QStringLiteral("chart.caption"));
    p.drawText(QRect(inner.left(), inner.top(), inner.width() / 2, 28), Qt::AlignLeft | Qt::AlignVCenter, caption);
    const int captionWidth = QFontMetrics(captionFont).horizontalAdvance(caption);
    p.setFont(font());
    if (!m_previousCaption.isEmpty()) {
        p.setPen(kEarlier);
        p.drawText(QRect(inner.left() + captionWidth + 16, inner.top(), inner.width() / 2, 28), Qt::AlignLeft | Qt::AlignVCenter,
                   QFontMetrics(font()).elidedText(m_previousCaption, Qt::ElideRight, inner.width() / 2));
        p.setPen(kInk);
    }
    switch (m_model.kind) {
    case Quiz::ChartModel::Kind::Scale:
        paintScale(p, drawing);
        break;
    case Quiz::ChartModel::Kind::Marks:
        paintMarks(p, drawing);
        break;
    case Quiz::ChartModel::Kind::Bars:
        paintBars(p, drawing);
        break;
    case Quiz::ChartModel::Kind::Columns:
        paintColumns(p, drawing);
        break;
    case Quiz::ChartModel::Kind::Balances:
        paintBalances(p, drawing);
        break;
    }
    p.setPen(kInk);
    if (!m_model.summary.isEmpty()) {
        QFont bold = font();
        bold.setBold(true);
        p.setFont(bold);
        p.drawText(QRect(inner.left(), drawing.bottom() + 2, inner.width(), kSummaryHeight), Qt::AlignLeft | Qt::AlignVCenter,
                   m_model.summary);
        p.setFont(font());
    }
    const QRect guide(inner.left(), inner.top() + drawingHeight(m_model.kind) - 12, inner.width(), inner.bottom() - inner.top() - drawingHeight(m_model.kind) + 12);
    p.setPen(QColor(0x5a, 0x4e, 0x42));
    p.drawText(guide, Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, m_model.guide);
    p.restore();
}

void ResultChart::paintScale(QPainter &p, const QRect &area) const
{
    const int span = qMax(1, m_model.high - m_model.low);
    const QRect bar(area.left() + 10, area.top() + 56, area.width() - 20, 30);
    const QFontMetrics metrics(p.font());
    // Bands share the bar by their ranges, but each keeps room for its name and range: a narrow
    // band widens and the others give up the room, the marker placed within its own band.
    QVector<double> edges{double(bar.left())};
    if (!m_model.bands.isEmpty()) {
        const double minimum = 76;
        QVector<double> widths;
        double spare = 0, stretchable = 0;
        for (int i = 0; i < m_model.bands.size(); ++i) {
            const Quiz::ChartBand &band = m_model.bands[i];
            const int units = band.high - band.low + (i + 1 < m_model.bands.size() ? 1 : 0);
            widths << double(units) * bar.width() / span;
        }
        for (double w : widths)
            (w < minimum ? spare : stretchable) += w < minimum ? minimum - w : w;
        for (double &w : widths)
            w = w < minimum ? minimum : w - spare * w / qMax(1.0, stretchable);
        for (double w : widths)
            edges << edges.last() + w;
    }
    const auto xOf = [&](double score) {
        for (int i = 0; i < m_model.bands.size(); ++i) {
            const Quiz::ChartBand &band = m_model.bands[i];
            const int units = qMax(1, band.high - band.low + (i + 1 < m_model.bands.size() ? 1 : 0));
            if (score <= band.high || i + 1 == m_model.bands.size())
                return edges[i] + (score - band.low) * (edges[i + 1] - edges[i]) / units;
        }
        return bar.left() + (score - m_model.low) * bar.width() / span;
    };
    if (m_model.bands.isEmpty()) {
        p.setPen(Qt::NoPen);
        QLinearGradient fill(bar.topLeft(), bar.topRight());
        fill.setColorAt(0, kBandColours[0]);
        fill.setColorAt(1, kBandColours[3]);
        p.setBrush(fill);
        p.drawRoundedRect(bar, 4, 4);
        p.setPen(kInk);
        for (int tick = m_model.low; tick <= m_model.high; tick += 15) {
            const int x = int(xOf(tick));
            p.drawLine(x, bar.bottom(), x, bar.bottom() + 5);
            p.drawText(QRect(x - 30, bar.bottom() + 6, 60, 20), Qt::AlignHCenter | Qt::AlignTop, QString::number(tick));
        }
    }
    for (int i = 0; i < m_model.bands.size(); ++i) {
        const Quiz::ChartBand &band = m_model.bands[i];
        // Each band holds its whole scores: it runs from its low edge to the next band's.
        const QRectF cell(edges[i], bar.top(), edges[i + 1] - edges[i], bar.height());
        p.setPen(QPen(Qt::white, 1.5));
        p.setBrush(kBandColours[i % 6]);
        p.drawRect(cell);
        p.setPen(kInk);
        const QString name = metrics.elidedText(band.name, Qt::ElideRight, int(cell.width()) - 4);
        p.drawText(cell, Qt::AlignCenter, name);
        p.drawText(QRectF(cell.left(), bar.bottom() + 4, cell.width(), 20), Qt::AlignHCenter | Qt::AlignTop,
                   metrics.elidedText(QStringLiteral("%1–%2").arg(band.low).arg(band.high), Qt::ElideRight, int(cell.width())));
    }
    // The marker: a triangle above the bar pointing at the score, the score above it.
    const double x = xOf(qBound(m_model.low, m_model.score, m_model.high));
    QPainterPath marker;
    marker.moveTo(x, bar.top() - 2);
    marker.lineTo(x - 8, bar.top() - 16);
    marker.lineTo(x + 8, bar.top() - 16);
    marker.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(kAccent);
    p.drawPath(marker);
    p.setPen(QPen(kAccent, 2));
    p.drawLine(QPointF(x, bar.top()), QPointF(x, bar.bottom()));
    QFont bold = p.font();
    bold.setBold(true);
    p.setFont(bold);
    const QString score = QString::number(m_model.score);
    p.drawText(QRectF(x - 40, bar.top() - 40, 80, 22), Qt::AlignHCenter | Qt::AlignBottom, score);
    p.setFont(font());
    if (!m_previous.isEmpty()) {
        // The earlier score: a dashed line through the bar and an open marker below it.
        const double before = xOf(qBound(m_model.low, m_previous.first(), m_model.high));
        p.setPen(QPen(kEarlier, 2, Qt::DashLine));
        p.drawLine(QPointF(before, bar.top()), QPointF(before, bar.bottom()));
        QPainterPath open;
        open.moveTo(before, bar.bottom() + 2);
        open.lineTo(before - 6, bar.bottom() + 12);
        open.lineTo(before + 6, bar.bottom() + 12);
        open.closeSubpath();
        p.setPen(QPen(kEarlier, 1.5));
        p.setBrush(Qt::white);
        p.drawPath(open);
    }
}

void ResultChart::paintMarks(QPainter &p, const QRect &area) const
{
    const int count = qMax(1, int(m_model.items.size()));
    const int cell = qMin(56, (area.width() - 20) / count);
    const int left = area.left() + (area.width() - cell * count) / 2;
    const int top = area.top() + 40;
    for (int i = 0; i < m_model.items.size(); ++i) {
        const Quiz::ChartItem &item = m_model.items[i];
        const QRectF box(left + i * cell + 6, top, cell - 12, cell - 12);
        const QColor colour = item.value ? kRight : kWrong;
        p.setPen(QPen(colour, 2));
        p.setBrush(item.value ? QColor(0xe3, 0xf1, 0xe3) : QColor(0xf8, 0xe1, 0xe0));
        p.drawRoundedRect(box, 5, 5);
        p.setPen(QPen(colour, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        const QRectF g = box.adjusted(box.width() * 0.25, box.height() * 0.25, -box.width() * 0.25, -box.height() * 0.25);
        if (item.value) {
            p.drawPolyline(QPolygonF({QPointF(g.left(), g.center().y()), QPointF(g.center().x() - 2, g.bottom()),
                                      QPointF(g.right(), g.top())}));
        } else {
            p.drawLine(g.topLeft(), g.bottomRight());
            p.drawLine(g.topRight(), g.bottomLeft());
        }
        p.setPen(kInk);
        p.drawText(QRectF(box.left() - 6, box.bottom() + 4, box.width() + 12, 20), Qt::AlignHCenter | Qt::AlignTop, item.label);
    }
}

void ResultChart::paintBars(QPainter &p, const QRect &area) const
{
    const int rows = qMax(1, int(m_model.items.size()));
    const int rowHeight = area.height() / rows;
    const int labelWidth = 110, valueWidth = 90;
    for (int i = 0; i < m_model.items.size(); ++i) {
        const Quiz::ChartItem &item = m_model.items[i];
        const QRect row(area.left(), area.top() + i * rowHeight, area.width(), rowHeight);
        p.setPen(kInk);
        p.drawText(QRect(row.left(), row.top(), labelWidth, row.height()), Qt::AlignLeft | Qt::AlignVCenter, item.label);
        const QRectF track(row.left() + labelWidth, row.top() + 3, row.width() - labelWidth - valueWidth, row.height() - 6);
        p.setPen(Qt::NoPen);
        p.setBrush(kTrack);
        p.drawRoundedRect(track, 3, 3);
        p.setBrush(kAccent);
        const double share = item.maximum > 0 ? double(item.value) / item.maximum : 0;
        p.drawRoundedRect(QRectF(track.left(), track.top(), track.width() * share, track.height()), 3, 3);
        p.setPen(kInk);
        p.drawText(QRectF(track.right() + 8, row.top(), valueWidth - 8, row.height()), Qt::AlignLeft | Qt::AlignVCenter,
                   QStringLiteral("%1 / %2").arg(item.value).arg(item.maximum));
        if (i < m_previous.size() && item.maximum > 0) {
            const double at = track.left() + track.width() * qBound(0, m_previous[i], item.maximum) / item.maximum;
            p.setPen(QPen(kEarlier, 2));
            p.drawLine(QPointF(at, track.top() - 2), QPointF(at, track.bottom() + 2));
        }
    }
}

QRect ResultChart::columnLetterRect(const QRect &area, int index) const
{
    const int count = qMax(1, int(m_model.items.size()));
    const int slot = area.width() / count;
    return QRect(area.left() + index * slot, area.bottom() - 22, slot, 22);
}

void ResultChart::paintColumns(QPainter &p, const QRect &area) const
{
    const int count = qMax(1, int(m_model.items.size()));
    const int slot = area.width() / count;
    const int top = area.top() + 20, bottom = area.bottom() - 26;
    p.setPen(QPen(kTrack, 1));
    p.drawLine(area.left(), bottom, area.right(), bottom);
    QFont bold = font();
    bold.setBold(true);
    for (int i = 0; i < m_model.items.size(); ++i) {
        const Quiz::ChartItem &item = m_model.items[i];
        const double share = item.maximum > 0 ? double(item.value) / item.maximum : 0;
        const QRectF column(area.left() + i * slot + slot / 2 - 22, bottom - (bottom - top) * share, 44, (bottom - top) * share);
        p.setPen(Qt::NoPen);
        p.setBrush(kTrack);
        p.drawRect(QRectF(column.left(), top, column.width(), bottom - top));
        p.setBrush(kAccent);
        p.drawRect(column);
        if (i < m_previous.size() && item.maximum > 0) {
            const double at = bottom - (bottom - top) * double(qBound(0, m_previous[i], item.maximum)) / item.maximum;
            p.setPen(QPen(kEarlier, 2, Qt::DashLine));
            p.drawLine(QPointF(column.left() - 6, at), QPointF(column.right() + 6, at));
            p.setPen(Qt::NoPen);
        }
        p.setPen(kInk);
        p.drawText(QRectF(column.left() - 10, column.top() - 20, column.width() + 20, 18), Qt::AlignHCenter | Qt::AlignBottom,
                   QString::number(item.value));
        p.setFont(bold);
        p.setPen(kAccent);
        p.drawText(columnLetterRect(area, i), Qt::AlignCenter, item.label);
        p.setFont(font());
    }
}

void ResultChart::paintBalances(QPainter &p, const QRect &area) const
{
    const int rows = qMax(1, int(m_model.items.size()));
    const int rowHeight = qMin(40, area.height() / rows);
    const int labelWidth = 90;
    for (int i = 0; i < m_model.items.size(); ++i) {
        const Quiz::ChartItem &item = m_model.items[i];
        const QRect row(area.left(), area.top() + 10 + i * rowHeight, area.width(), rowHeight);
        p.setPen(kInk);
        p.drawText(QRect(row.left(), row.top(), labelWidth, row.height()), Qt::AlignRight | Qt::AlignVCenter,
                   QStringLiteral("%1 %2").arg(item.label).arg(item.value));
        p.drawText(QRect(row.right() - labelWidth, row.top(), labelWidth, row.height()), Qt::AlignLeft | Qt::AlignVCenter,
                   QStringLiteral("%1 %2").arg(item.otherLabel).arg(item.other));
        const QRectF track(row.left() + labelWidth + 10, row.top() + 8, row.width() - 2 * labelWidth - 20, row.height() - 16);
        p.setPen(Qt::NoPen);
        p.setBrush(kTrack);
        p.drawRoundedRect(track, 3, 3);
        const int total = qMax(1, item.value + item.other);
        const double lean = double(item.value - item.other) / total;   // -1 right .. 1 left
        const double centre = track.center().x();
        const double end = centre - lean * track.width() / 2;
        p.setBrush(kAccent);
        p.drawRect(QRectF(qMin(centre, end), track.top(), qAbs(end - centre), track.height()));
        p.setPen(QPen(kInk, 1.5));
        p.drawLine(QPointF(centre, track.top() - 4), QPointF(centre, track.bottom() + 4));
        if (i < m_previous.size()) {
            const int before = qBound(0, m_previous[i], total);
            const double leanBefore = double(before - (total - before)) / total;
            const double at = centre - leanBefore * track.width() / 2;
            p.setPen(QPen(kEarlier, 2, Qt::DashLine));
            p.drawLine(QPointF(at, track.top() - 3), QPointF(at, track.bottom() + 3));
        }
    }
}

void ResultChart::mousePressEvent(QMouseEvent *event)
{
    if (m_model.kind != Quiz::ChartModel::Kind::Columns)
        return QWidget::mousePressEvent(event);
    const QRect drawing = drawingArea(rect());
    for (int i = 0; i < m_model.items.size(); ++i)
        if (columnLetterRect(drawing, i).adjusted(0, -120, 0, 0).contains(event->position().toPoint()))
            emit letterClicked(m_model.items[i].label);
}

void ResultChart::keyPressEvent(QKeyEvent *event)
{
    const int count = int(m_model.items.size());
    if (m_model.kind != Quiz::ChartModel::Kind::Columns || count == 0 || event->modifiers() & ~Qt::KeypadModifier)
        return QWidget::keyPressEvent(event);
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
        m_picked = (m_picked + (event->key() == Qt::Key_Right ? 1 : count - 1)) % count;
        update();
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        emit letterClicked(m_model.items[qMin(m_picked, count - 1)].label);
        break;
    default:
        return QWidget::keyPressEvent(event);
    }
}

void ResultChart::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    update();
}

void ResultChart::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    update();
}
