#include "ui/program_panel.h"

#include "gcode/output/program_output.h"
#include "pages/program_source.h"
#include "platform/recording_messages.h"
#include "preview/handover.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QPainter>
#include <QTimer>

namespace {

constexpr int kBoxHeight = 22;
constexpr int kGap = 4;

QPen penFor(Stroke stroke)
{
    switch (stroke) {
    case Stroke::Side1Cut:
        return QPen(QColor(0, 0, 255), 1.5);
    case Stroke::Side2Cut:
        return QPen(QColor(255, 0, 0), 1.5);
    case Stroke::Table:
        return QPen(Qt::black, 1);
    case Stroke::Park:
        return QPen(QColor(0, 150, 0), 2);
    case Stroke::Rapid:
        break;
    }
    return QPen(QColor(160, 160, 160), 0);
}

} // namespace

ProgramView::ProgramView(QWidget* parent) : QFrame(parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setAutoFillBackground(false);
}

void ProgramView::setPicture(ProgramPicture picture)
{
    picture_ = std::move(picture);
    update();
}

void ProgramView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect client = contentsRect();
    painter.fillRect(client, Qt::white);
    if (!picture_.reason.empty()) {
        painter.drawText(client.adjusted(8, 8, -8, -8), Qt::AlignCenter | Qt::TextWordWrap,
                         QString::fromStdString(picture_.reason));
    } else {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.translate(client.topLeft());
        for (const PictureLine& line : layOutPicture(picture_, client.width(), client.height())) {
            painter.setPen(penFor(line.stroke));
            painter.drawLine(QPointF(line.x1, line.y1), QPointF(line.x2, line.y2));
        }
        painter.resetTransform();
    }
    drawFrame(&painter);
}

ProgramPanel::ProgramPanel(QWidget* window, QWidget* preview)
    : QObject(window), preview_(preview), showProgram_(new QCheckBox(QStringLiteral("Show Program"), window)),
      cuttingTime_(new QLabel(window)), view_(new ProgramView(window)),
      viewAction_(new QAction(QStringLiteral("Show Program"), this))
{
    cuttingTime_->setWordWrap(true);
    showProgram_->setToolTip(QStringLiteral("Draws the tool path of the program Run would write now, in machine "
                                            "coordinates, in place of the hole pattern."));
    view_->hide();
    viewAction_->setCheckable(true);
    connect(viewAction_, &QAction::toggled, showProgram_, &QCheckBox::setChecked);
    connect(showProgram_, &QCheckBox::toggled, this, [this](bool ticked) {
        viewAction_->setChecked(ticked);
        showView();
    });
    setPreviewChangedHook([this] { scheduleRefresh(); });
}

void ProgramPanel::setSource(ProgramSource* source)
{
    source_ = source;
    showProgram_->setVisible(source != nullptr);
    cuttingTime_->setVisible(source != nullptr);
    viewAction_->setEnabled(source != nullptr);
    showView();
    scheduleRefresh();
}

void ProgramPanel::place(const QRect& preview)
{
    view_->setGeometry(preview);
    showProgram_->setGeometry(preview.left(), preview.bottom() + kGap, preview.width(), kBoxHeight);
    cuttingTime_->setGeometry(preview.left(), preview.bottom() + kGap + kBoxHeight, preview.width(), 2 * kBoxHeight);
    view_->raise();
}

void ProgramPanel::showView()
{
    view_->setVisible(source_ != nullptr && showProgram_->isChecked());
    view_->raise();
}

void ProgramPanel::scheduleRefresh()
{
    // A page's redraw fits its drawing after every outline; the program is composed once after it.
    if (refreshPending_)
        return;
    refreshPending_ = true;
    QTimer::singleShot(0, this, [this] { refresh(); });
}

void ProgramPanel::refresh()
{
    refreshPending_ = false;
    if (!source_)
        return;
    ProgramOutput out;
    RecordingMessages reasons;
    ProgramReport report;
    ProgramPicture picture = source_->composeProgram(out, reasons, report)
                                 ? pictureOfProgram(std::move(report), machineFromSettings(gs))
                                 : pictureOfReason(reasons.texts().empty() ? std::string() : reasons.texts().front());
    // Under the preview, ticked or not: the time the program takes, or why Run would refuse it;
    // a reason too long for its two lines is whole in the tooltip.
    const QString line = QString::fromStdString(picture.reason.empty() ? cuttingTimeText(picture.report.cuttingSeconds)
                                                                       : picture.reason);
    cuttingTime_->setText(line);
    cuttingTime_->setToolTip(line);
    view_->setPicture(std::move(picture));
}
