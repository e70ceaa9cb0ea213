#include "QtReportPrinter.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QString>

#include <algorithm>

namespace lumafold {

QtReportPrinter::QtReportPrinter(QPrinter& printer) : printer_(printer) {
    // Without the family the printer's fallback must still be fixed pitch.
    font_.setStyleHint(QFont::TypeWriter);
}

QtReportPrinter::~QtReportPrinter() {
    if (painter_ && painter_->isActive()) Abort();
}

bool QtReportPrinter::RequestA4() { return printer_.setPageSize(QPageSize(QPageSize::A4)); }

bool QtReportPrinter::PaperIsA4() const { return printer_.pageLayout().pageSize().id() == QPageSize::A4; }

bool QtReportPrinter::RequestFont(const std::string& family) {
    font_.setFamilies({QString::fromStdString(family)});
    return true;
}

QFont QtReportPrinter::DeviceFont() const { return QFont(font_, &printer_); }

std::string QtReportPrinter::FontFamily() const { return QFontInfo(DeviceFont()).family().toStdString(); }

bool QtReportPrinter::FontFixedPitch() const { return QFontInfo(DeviceFont()).fixedPitch(); }

void QtReportPrinter::SetFontSize(double points, bool bold) {
    font_.setPointSizeF(points);
    font_.setBold(bold);
}

DeviceFigures QtReportPrinter::Figures() const {
    const QRectF paper = printer_.paperRect(QPrinter::DevicePixel);
    const QRectF page = printer_.pageRect(QPrinter::DevicePixel);
    return {paper.width(), paper.height(), page.left() - paper.left(), page.top() - paper.top(),
            static_cast<double>(printer_.logicalDpiX()), static_cast<double>(printer_.logicalDpiY())};
}

TextSize QtReportPrinter::Measure(const std::string& text) const {
    const QFontMetricsF metrics(DeviceFont(), &printer_);
    const QStringList lines = QString::fromStdString(text).split(QLatin1Char('\n'));
    double width = 0;
    for (const QString& line : lines) width = std::max(width, metrics.horizontalAdvance(line));
    return {ToPointsX(width), ToPointsY(metrics.lineSpacing() * static_cast<double>(lines.size()))};
}

double QtReportPrinter::ToPixelsX(double points) const { return points * printer_.logicalDpiX() / 72.0; }
double QtReportPrinter::ToPixelsY(double points) const { return points * printer_.logicalDpiY() / 72.0; }
double QtReportPrinter::ToPointsX(double pixels) const { return pixels * 72.0 / printer_.logicalDpiX(); }
double QtReportPrinter::ToPointsY(double pixels) const { return pixels * 72.0 / printer_.logicalDpiY(); }

bool QtReportPrinter::Begin() {
    if (painter_) return painter_->isActive();
    painter_ = std::make_unique<QPainter>();
    if (!painter_->begin(&printer_)) {
        failed_ = true;
        return false;
    }
    painter_->setFont(DeviceFont());
    return true;
}

void QtReportPrinter::DrawText(double x, double y, const std::string& text) {
    if (!Begin()) return;
    const double baseline = ToPixelsY(y) + QFontMetricsF(painter_->font(), &printer_).ascent();
    painter_->drawText(QPointF(ToPixelsX(x), baseline), QString::fromStdString(text));
}

void QtReportPrinter::NewPage() {
    if (Begin() && !printer_.newPage()) failed_ = true;
}

bool QtReportPrinter::EndDoc() {
    const bool ok = Begin() && painter_->end() && !failed_;
    painter_.reset();
    failed_ = false;
    return ok;
}

void QtReportPrinter::Abort() {
    if (painter_ && painter_->isActive()) {
        printer_.abort();
        painter_->end();
    }
    painter_.reset();
    failed_ = false;
}

} // namespace lumafold
