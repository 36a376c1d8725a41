#include "reports/ReportDocument.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QDataStream>
#include <QFile>
#include <QPainter>
#include <QPrinter>
#include <QSaveFile>

#include <algorithm>

namespace {

constexpr quint32 ReportFileMagic = 0x54565852; // "TVXR"
constexpr quint16 ReportFileVersion = 1;
constexpr int StreamVersion = QDataStream::Qt_6_0;
// Far beyond any real report; a damaged count must not allocate wildly.
constexpr quint32 MaxPages = 10000;
constexpr qint64 MaxFileSize = qint64(512) * 1024 * 1024;

QString damagedMessage(const QString& path)
{
    return QStringLiteral("The file \"%1\" is not a Trovanex report or it is damaged.").arg(path);
}

void setScale(QPainter& painter, const QPaintDevice& device)
{
    painter.scale(device.logicalDpiX() / ReportUnits::perInch, device.logicalDpiY() / ReportUnits::perInch);
}

} // namespace

void paintLaidOutPage(QPainter& painter, const LaidOutPage& page)
{
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    for (const LaidOutItem& item : page.items) {
        switch (item.kind) {
        case LaidOutItem::Kind::Text:
            painter.setFont(item.font);
            painter.setPen(item.color);
            painter.drawText(item.rect, int(item.alignment) | Qt::TextSingleLine | Qt::TextDontClip, item.text);
            break;
        case LaidOutItem::Kind::Line:
            painter.setPen(QPen(item.color, item.penWidth, Qt::SolidLine, Qt::FlatCap));
            painter.drawLine(item.rect.topLeft(), item.rect.bottomRight());
            break;
        case LaidOutItem::Kind::Rect:
        case LaidOutItem::Kind::Ellipse:
            if (item.penWidth > 0)
                painter.setPen(QPen(item.color, item.penWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
            else
                painter.setPen(Qt::NoPen);
            painter.setBrush(item.fill.isValid() ? QBrush(item.fill) : QBrush(Qt::NoBrush));
            if (item.kind == LaidOutItem::Kind::Rect)
                painter.drawRect(item.rect);
            else
                painter.drawEllipse(item.rect);
            painter.setBrush(Qt::NoBrush);
            break;
        case LaidOutItem::Kind::Image:
            painter.drawImage(item.rect, item.image);
            break;
        }
    }
}

ReportDocument::ReportDocument(LaidOutReport report)
    : laid_(std::move(report)), title_(laid_->title), orientation_(laid_->orientation)
{
}

int ReportDocument::pageCount() const
{
    return laid_ ? laid_->pageCount() : int(pictures_.size());
}

QPageLayout ReportDocument::pageLayout() const
{
    return QPageLayout(QPageSize(QPageSize::Letter),
                       orientation_ == PageOrientation::Portrait ? QPageLayout::Portrait : QPageLayout::Landscape,
                       QMarginsF(0, 0, 0, 0));
}

void ReportDocument::paintPage(QPainter& painter, const QPaintDevice& device, int index) const
{
    if (index < 0 || index >= pageCount())
        return;
    painter.save();
    if (laid_) {
        setScale(painter, device);
        paintLaidOutPage(painter, laid_->pages[std::size_t(index)]);
    } else {
        // A picture replays at the device's resolution by itself.
        painter.drawPicture(0, 0, pictures_[std::size_t(index)]);
    }
    painter.restore();
}

bool ReportDocument::print(QPrinter& printer, int fromPage, int toPage, int copies) const
{
    const int count = pageCount();
    if (count == 0)
        return true;
    const int first = fromPage > 0 ? std::min(fromPage, count) : 1;
    const int last = toPage > 0 ? std::min(toPage, count) : count;
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    bool firstSheet = true;
    for (int copy = 0; copy < std::max(1, copies); ++copy) {
        for (int page = first; page <= last; ++page) {
            if (!firstSheet && !printer.newPage())
                return false;
            firstSheet = false;
            paintPage(painter, printer, page - 1);
        }
    }
    return painter.end();
}

bool ReportDocument::exportPdf(const QString& path) const
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setFullPage(true);
    printer.setPageLayout(pageLayout()); // after the output format, which resets it
    printer.setDocName(title_);
    printer.setCreator(QStringLiteral("Trovanex Voze"));
    return print(printer);
}

QImage ReportDocument::renderPage(int index, int dpi) const
{
    const QSizeF inches = pageLayout().fullRect(QPageLayout::Inch).size();
    QImage image(int(inches.width() * dpi + 0.5), int(inches.height() * dpi + 0.5), QImage::Format_RGB32);
    const int dotsPerMeter = int(dpi / 0.0254 + 0.5);
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    image.fill(Qt::white);
    QPainter painter(&image);
    paintPage(painter, image, index);
    return image;
}

std::vector<QPicture> ReportDocument::pictures() const
{
    if (!laid_)
        return pictures_;
    std::vector<QPicture> out;
    for (int i = 0; i < laid_->pageCount(); ++i) {
        QPicture picture;
        QPainter painter(&picture);
        paintPage(painter, picture, i);
        painter.end();
        out.push_back(std::move(picture));
    }
    return out;
}

QString ReportDocument::save(const QString& path) const
{
    QByteArray payload;
    {
        QDataStream out(&payload, QIODevice::WriteOnly);
        out.setVersion(StreamVersion);
        const std::vector<QPicture> pages = pictures();
        out << title_ << quint8(orientation_ == PageOrientation::Portrait ? 0 : 1) << quint32(pages.size());
        for (const QPicture& page : pages)
            out << page;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QStringLiteral("The report could not be saved to \"%1\".").arg(path);
    QDataStream out(&file);
    out.setVersion(StreamVersion);
    out << ReportFileMagic << ReportFileVersion << payload
        << QCryptographicHash::hash(payload, QCryptographicHash::Sha256);
    if (out.status() != QDataStream::Ok || !file.commit())
        return QStringLiteral("The report could not be saved to \"%1\".").arg(path);
    return {};
}

std::optional<ReportDocument> ReportDocument::load(const QString& path, QString* error)
{
    auto fail = [&](const QString& message) -> std::optional<ReportDocument> {
        if (error != nullptr)
            *error = message;
        return std::nullopt;
    };
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("The file \"%1\" could not be opened.").arg(path));
    if (file.size() > MaxFileSize)
        return fail(damagedMessage(path));
    QDataStream in(&file);
    in.setVersion(StreamVersion);
    quint32 magic = 0;
    quint16 version = 0;
    in >> magic >> version;
    if (in.status() != QDataStream::Ok || magic != ReportFileMagic)
        return fail(damagedMessage(path));
    if (version != ReportFileVersion)
        return fail(QStringLiteral("The report \"%1\" was saved by a newer version of the program.").arg(path));
    QByteArray payload;
    QByteArray hash;
    in >> payload >> hash;
    if (in.status() != QDataStream::Ok || hash != QCryptographicHash::hash(payload, QCryptographicHash::Sha256))
        return fail(damagedMessage(path));

    QDataStream body(payload);
    body.setVersion(StreamVersion);
    ReportDocument doc;
    quint8 orientation = 0;
    quint32 count = 0;
    body >> doc.title_ >> orientation >> count;
    if (body.status() != QDataStream::Ok || orientation > 1 || count > MaxPages)
        return fail(damagedMessage(path));
    doc.orientation_ = orientation == 0 ? PageOrientation::Portrait : PageOrientation::Landscape;
    for (quint32 i = 0; i < count; ++i) {
        QPicture page;
        body >> page;
        if (body.status() != QDataStream::Ok)
            return fail(damagedMessage(path));
        doc.pictures_.push_back(std::move(page));
    }
    return doc;
}
