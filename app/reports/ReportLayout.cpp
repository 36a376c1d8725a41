#include "reports/ReportLayout.h"

#include "common/Cp1252.h"
#include "common/NumberText.h"
#include "table/RecordTable.h"

#include <QFile>
#include <QFontMetricsF>
#include <QHash>
#include <QStringDecoder>

#include <algorithm>
#include <cmath>

QStringList LaidOutPage::texts() const
{
    QStringList out;
    for (const LaidOutItem& item : items)
        if (item.kind == LaidOutItem::Kind::Text)
            out << item.text;
    return out;
}

QStringList LaidOutPage::textsNamed(const QString& name) const
{
    QStringList out;
    for (const LaidOutItem& item : items)
        if (item.kind == LaidOutItem::Kind::Text && item.name == name)
            out << item.text;
    return out;
}

QFont reportQFont(const ReportFont& font)
{
    QFont f(font.family);
    f.setPixelSize(std::max(1, int(std::lround(ReportUnits::pt(font.pointSize)))));
    f.setBold(font.bold);
    f.setItalic(font.italic);
    f.setUnderline(font.underline);
    // Outlines unhinted, so that measuring and drawing agree at every scale.
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

namespace {

// Text of a field value as a grid shows it: the field's display mask in the
// given locale's separators.
QString fieldText(const tvx::Field& field, const tvx::Value& v, const QLocale& locale)
{
    const std::string sep = locale.decimalPoint().toStdString();
    const std::string group = locale.groupSeparator().toStdString();
    if (const auto* s = std::get_if<std::string>(&v))
        return QString::fromStdString(*s);
    if (const auto* i = std::get_if<std::int32_t>(&v))
        return field.displayFormat.empty() ? QString::number(*i)
                                           : QString::fromStdString(tvx::formatMask(*i, field.displayFormat, sep, group));
    if (const auto* d = std::get_if<double>(&v))
        return QString::fromStdString(field.displayFormat.empty() ? tvx::formatGeneral(*d, 15, 0, sep)
                                                                  : tvx::formatMask(*d, field.displayFormat, sep, group));
    if (const auto* b = std::get_if<bool>(&v))
        return *b ? QStringLiteral("True") : QStringLiteral("False");
    return {};
}

// Splits a text into lines no wider than `width`: at explicit line breaks,
// then between words, and inside a word only when it is wider on its own.
QStringList wrapText(const QString& text, const QFontMetricsF& fm, double width)
{
    QStringList lines;
    QString normalized = text;
    normalized.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    const QStringList paragraphs = normalized.split(QLatin1Char('\n'));
    for (const QString& paragraph : paragraphs) {
        if (fm.horizontalAdvance(paragraph) <= width) {
            lines << paragraph;
            continue;
        }
        QString line;
        const QStringList words = paragraph.split(QLatin1Char(' '));
        for (const QString& word : words) {
            const QString candidate = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
            if (fm.horizontalAdvance(candidate) <= width) {
                line = candidate;
                continue;
            }
            if (!line.isEmpty())
                lines << line;
            line = word;
            // A single word wider than the block is cut where it must be.
            while (line.size() > 1 && fm.horizontalAdvance(line) > width) {
                qsizetype n = line.size() - 1;
                while (n > 1 && fm.horizontalAdvance(line.left(n)) > width)
                    --n;
                lines << line.left(n);
                line = line.mid(n);
            }
        }
        lines << line;
    }
    return lines;
}

class Layouter {
public:
    explicit Layouter(ReportDefinition& report) : report_(report) {}

    LaidOutReport run();

private:
    struct BandItems {
        std::vector<LaidOutItem> items; // band coordinates
        double height = 0;
    };

    void startPage();
    void finishPage(bool last);
    double placeFixedBand(const ReportBand& band, double top);
    void placeDetail(const ReportBand& band);
    BandItems buildBand(const ReportBand& band);
    void addTextItem(BandItems& out, const ReportElement& e, const QString& text) const;
    void addTextBlock(BandItems& out, const ReportElement& e);
    QString systemText(SystemValue value) const;
    QString loadText(const QString& path);
    QImage loadImage(const QString& path);
    double footerHeight();
    void put(const LaidOutItem& item, double pageY);

    ReportDefinition& report_;
    LaidOutReport out_;
    QDateTime printTime_;
    int page_ = 0;
    double y_ = 0;          // next free position on the page, sheet units
    double contentTop_ = 0; // first position below the headers of the page
    double footerTop_ = 0;
    int detailNumber_ = 0;
    const tvx::RecordTable* table_ = nullptr;
    std::size_t row_ = 0;
    bool haveRow_ = false;
    QHash<QString, QString> texts_;
    QHash<QString, QImage> images_;
};

LaidOutReport Layouter::run()
{
    out_.title = report_.title();
    out_.orientation = report_.orientation();
    out_.pageWidth = report_.pageWidth();
    out_.pageHeight = report_.pageHeight();
    out_.margin = report_.marginUnits();
    printTime_ = report_.printTime().isValid() ? report_.printTime() : QDateTime::currentDateTime();

    bool anyTable = false;
    bool anyRecord = false;
    for (const ReportBand& band : report_.bands()) {
        if (band.kind != BandKind::Detail)
            continue;
        if (band.table == nullptr)
            anyRecord = true;
        else {
            anyTable = true;
            anyRecord = anyRecord || band.table->recordCount() > 0;
        }
    }
    if (anyTable && !anyRecord && !report_.options().printIfEmpty)
        return out_;

    startPage();
    for (const ReportBand& band : report_.bands()) {
        if (band.kind != BandKind::Detail)
            continue;
        detailNumber_ = 0;
        if (band.table == nullptr) {
            ++detailNumber_;
            placeDetail(band);
            continue;
        }
        table_ = band.table;
        for (std::size_t row = 0; row < band.table->recordCount(); ++row) {
            row_ = row;
            haveRow_ = true;
            ++detailNumber_;
            placeDetail(band);
        }
    }
    finishPage(true);
    return std::move(out_);
}

void Layouter::startPage()
{
    ++page_;
    out_.pages.emplace_back();
    if (report_.startPage())
        report_.startPage()(report_, page_);
    y_ = out_.margin;
    const bool first = page_ == 1;
    for (const ReportBand& band : report_.bands())
        if (band.kind == BandKind::PageHeader && (!first || report_.options().headerOnFirstPage)) {
            y_ += placeFixedBand(band, y_);
        }
    if (first)
        for (const ReportBand& band : report_.bands())
            if (band.kind == BandKind::Title)
                y_ += placeFixedBand(band, y_);
    for (const ReportBand& band : report_.bands())
        if (band.kind == BandKind::ColumnHeader)
            y_ += placeFixedBand(band, y_);
    contentTop_ = y_;
    footerTop_ = out_.pageHeight - out_.margin - footerHeight();
}

void Layouter::finishPage(bool last)
{
    if (last && !report_.options().footerOnLastPage)
        return;
    double top = footerTop_;
    for (const ReportBand& band : report_.bands())
        if (band.kind == BandKind::PageFooter)
            top += placeFixedBand(band, top);
}

double Layouter::footerHeight()
{
    double h = 0;
    for (const ReportBand& band : report_.bands())
        if (band.kind == BandKind::PageFooter)
            h += buildBand(band).height;
    return h;
}

void Layouter::put(const LaidOutItem& item, double pageY)
{
    LaidOutItem placed = item;
    placed.rect.translate(out_.margin, pageY);
    out_.pages.back().items.push_back(std::move(placed));
}

// Headers, titles and footers: placed whole at `top`; returns their height.
double Layouter::placeFixedBand(const ReportBand& band, double top)
{
    const BandItems b = buildBand(band);
    for (const LaidOutItem& item : b.items)
        put(item, top);
    return b.height;
}

void Layouter::placeDetail(const ReportBand& band)
{
    BandItems b = buildBand(band);
    // A band that does not fit below the previous ones starts a new page.
    if (y_ + b.height > footerTop_ + 0.5 && y_ > contentTop_) {
        finishPage(false);
        startPage();
    }
    if (y_ + b.height <= footerTop_ + 0.5) {
        for (const LaidOutItem& item : b.items)
            put(item, y_);
        y_ += b.height;
        return;
    }
    // Taller than a page: text lines continue on the following pages.
    std::stable_sort(b.items.begin(), b.items.end(),
                     [](const LaidOutItem& l, const LaidOutItem& r) { return l.rect.top() < r.rect.top(); });
    double offset = 0; // band position shown at the top of the current page part
    for (const LaidOutItem& item : b.items) {
        const double top = y_ + item.rect.top() - offset;
        if (item.kind == LaidOutItem::Kind::Text && top + item.rect.height() > footerTop_ + 0.5 &&
            item.rect.top() > offset) {
            finishPage(false);
            startPage();
            offset = item.rect.top();
        }
        put(item, y_ - offset);
    }
    y_ = std::min(footerTop_, y_ + b.height - offset);
}

Layouter::BandItems Layouter::buildBand(const ReportBand& band)
{
    BandItems out;
    out.height = band.height;
    for (const ReportElement& e : band.elements) {
        switch (e.kind) {
        case ReportElement::Kind::Label:
            addTextItem(out, e, e.text);
            break;
        case ReportElement::Kind::Field: {
            QString text;
            const tvx::RecordTable* table = band.table != nullptr ? band.table : table_;
            if (table != nullptr && haveRow_ && row_ < table->recordCount()) {
                if (const auto index = table->indexOf(e.fieldName.toStdString()))
                    text = fieldText(table->field(*index), table->valueAt(row_, *index), report_.locale());
            }
            addTextItem(out, e, text);
            break;
        }
        case ReportElement::Kind::System:
            addTextItem(out, e, e.text + systemText(e.system));
            break;
        case ReportElement::Kind::TextBlock:
            addTextBlock(out, e);
            break;
        case ReportElement::Kind::Image: {
            const QImage image = !e.image.isNull() ? e.image : loadImage(e.filePath);
            if (image.isNull())
                break;
            LaidOutItem item;
            item.kind = LaidOutItem::Kind::Image;
            item.band = band.kind;
            item.name = e.name;
            item.rect = e.rect;
            if (e.keepAspect && image.width() > 0 && image.height() > 0) {
                const QSizeF fitted = QSizeF(image.size()).scaled(e.rect.size(), Qt::KeepAspectRatio);
                item.rect = QRectF(e.rect.topLeft(), fitted);
            }
            item.image = image;
            out.items.push_back(std::move(item));
            break;
        }
        case ReportElement::Kind::Line:
        case ReportElement::Kind::Rect:
        case ReportElement::Kind::Ellipse: {
            LaidOutItem item;
            item.kind = e.kind == ReportElement::Kind::Line   ? LaidOutItem::Kind::Line
                        : e.kind == ReportElement::Kind::Rect ? LaidOutItem::Kind::Rect
                                                              : LaidOutItem::Kind::Ellipse;
            item.name = e.name;
            item.rect = e.rect;
            item.penWidth = e.penWidth;
            item.color = e.penColor;
            item.fill = e.fill;
            out.items.push_back(std::move(item));
            break;
        }
        }
    }
    for (LaidOutItem& item : out.items)
        item.band = band.kind;
    return out;
}

void Layouter::addTextItem(BandItems& out, const ReportElement& e, const QString& text) const
{
    LaidOutItem item;
    item.kind = LaidOutItem::Kind::Text;
    item.name = e.name;
    item.rect = e.rect;
    item.font = reportQFont(e.font);
    if (item.rect.height() <= 0)
        item.rect.setHeight(QFontMetricsF(item.font).height());
    item.text = text;
    item.color = e.font.color;
    item.alignment = e.alignment;
    out.items.push_back(std::move(item));
}

void Layouter::addTextBlock(BandItems& out, const ReportElement& e)
{
    const QString text = e.filePath.isEmpty() ? e.text : loadText(e.filePath);
    const QFont font = reportQFont(e.font);
    const QFontMetricsF fm(font);
    const double lineHeight = fm.lineSpacing();
    QStringList lines = wrapText(text, fm, e.rect.width());
    while (!lines.isEmpty() && lines.back().trimmed().isEmpty())
        lines.removeLast();
    if (!e.grow) {
        // A fixed block shows the lines that fit.
        const auto fit = qsizetype(std::max(0.0, std::floor((e.rect.height() + 0.5) / lineHeight)));
        if (lines.size() > fit)
            lines = lines.mid(0, fit);
    }
    const Qt::Alignment horizontal = e.alignment & Qt::AlignHorizontal_Mask;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (lines[i].isEmpty())
            continue; // an empty line only takes its room
        LaidOutItem item;
        item.kind = LaidOutItem::Kind::Text;
        item.name = e.name;
        item.rect = QRectF(e.rect.left(), e.rect.top() + double(i) * lineHeight, e.rect.width(), lineHeight);
        item.font = font;
        item.text = lines[i];
        item.color = e.font.color;
        item.alignment = horizontal | Qt::AlignVCenter;
        out.items.push_back(std::move(item));
    }
    if (e.grow)
        out.height = std::max(out.height, e.rect.top() + double(lines.size()) * lineHeight + lineHeight / 2);
}

QString Layouter::systemText(SystemValue value) const
{
    switch (value) {
    case SystemValue::DateTime:
        return report_.locale().toString(printTime_, QLocale::ShortFormat);
    case SystemValue::PageNumber:
        return QString::number(page_);
    case SystemValue::ReportTitle:
        return report_.title();
    case SystemValue::DetailNumber:
        return QString::number(detailNumber_);
    }
    return {};
}

QString Layouter::loadText(const QString& path)
{
    if (const auto it = texts_.constFind(path); it != texts_.constEnd())
        return *it;
    QString text;
    QFile file(path);
    // Text blocks are short notes; a huge file is not one.
    if (!path.isEmpty() && file.open(QIODevice::ReadOnly) && file.size() < 1024 * 1024) {
        const QByteArray bytes = file.readAll();
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        text = utf8(bytes);
        if (utf8.hasError())
            text = QString::fromStdString(tvx::cp1252ToUtf8(std::string_view(bytes.constData(), std::size_t(bytes.size()))));
    }
    texts_.insert(path, text);
    return text;
}

QImage Layouter::loadImage(const QString& path)
{
    if (const auto it = images_.constFind(path); it != images_.constEnd())
        return *it;
    QImage image;
    if (!path.isEmpty())
        image.load(path);
    images_.insert(path, image);
    return image;
}

} // namespace

LaidOutReport layoutReport(ReportDefinition& report)
{
    return Layouter(report).run();
}
