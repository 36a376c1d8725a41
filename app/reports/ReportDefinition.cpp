#include "reports/ReportDefinition.h"

namespace {

constexpr double LetterShortSide = ReportUnits::inch(8.5);
constexpr double LetterLongSide = ReportUnits::inch(11.0);

ReportElement textElement(ReportElement::Kind kind, const QRectF& rect, const QString& text, const ReportFont& font,
                          Qt::Alignment align, const QString& name)
{
    ReportElement e;
    e.kind = kind;
    e.rect = rect;
    e.text = text;
    e.font = font;
    e.alignment = align;
    e.name = name;
    return e;
}

ReportElement shapeElement(ReportElement::Kind kind, const QRectF& rect, double penWidth, const QColor& color,
                           const QColor& fill)
{
    ReportElement e;
    e.kind = kind;
    e.rect = rect;
    e.penWidth = penWidth;
    e.penColor = color;
    e.fill = fill;
    return e;
}

} // namespace

ReportElement ReportElement::label(const QRectF& rect, const QString& text, const ReportFont& font,
                                   Qt::Alignment align, const QString& name)
{
    return textElement(Kind::Label, rect, text, font, align, name);
}

ReportElement ReportElement::field(const QRectF& rect, const QString& fieldName, const ReportFont& font,
                                   Qt::Alignment align, const QString& name)
{
    ReportElement e = textElement(Kind::Field, rect, {}, font, align, name);
    e.fieldName = fieldName;
    return e;
}

ReportElement ReportElement::systemValue(const QRectF& rect, SystemValue value, const ReportFont& font,
                                         Qt::Alignment align, const QString& prefix, const QString& name)
{
    ReportElement e = textElement(Kind::System, rect, prefix, font, align, name);
    e.system = value;
    return e;
}

ReportElement ReportElement::imageFile(const QRectF& rect, const QString& filePath, const QString& name)
{
    ReportElement e;
    e.kind = Kind::Image;
    e.rect = rect;
    e.filePath = filePath;
    e.name = name;
    return e;
}

ReportElement ReportElement::textBlock(const QRectF& rect, const QString& text, const ReportFont& font, bool grow,
                                       const QString& name)
{
    ReportElement e = textElement(Kind::TextBlock, rect, text, font, Qt::AlignLeft | Qt::AlignTop, name);
    e.grow = grow;
    return e;
}

ReportElement ReportElement::textFile(const QRectF& rect, const QString& filePath, const ReportFont& font, bool grow,
                                      const QString& name)
{
    ReportElement e = textBlock(rect, {}, font, grow, name);
    e.filePath = filePath;
    return e;
}

ReportElement ReportElement::hLine(double x, double y, double width, double penWidth, const QColor& color)
{
    return shapeElement(Kind::Line, QRectF(x, y, width, 0), penWidth, color, {});
}

ReportElement ReportElement::line(const QPointF& from, const QPointF& to, double penWidth, const QColor& color)
{
    return shapeElement(Kind::Line, QRectF(from, to), penWidth, color, {});
}

ReportElement ReportElement::frame(const QRectF& rect, double penWidth, const QColor& color, const QColor& fill)
{
    return shapeElement(Kind::Rect, rect, penWidth, color, fill);
}

ReportElement ReportElement::ellipse(const QRectF& rect, double penWidth, const QColor& color, const QColor& fill)
{
    return shapeElement(Kind::Ellipse, rect, penWidth, color, fill);
}

ReportDefinition::ReportDefinition(QString title) : title_(std::move(title)), locale_(QLocale::system()) {}

double ReportDefinition::marginUnits() const
{
    return margins_ == PageMargins::Standard ? ReportUnits::mm(12.7) : ReportUnits::mm(10.0);
}

double ReportDefinition::pageWidth() const
{
    return orientation_ == PageOrientation::Portrait ? LetterShortSide : LetterLongSide;
}

double ReportDefinition::pageHeight() const
{
    return orientation_ == PageOrientation::Portrait ? LetterLongSide : LetterShortSide;
}

double ReportDefinition::contentWidth() const
{
    return pageWidth() - 2 * marginUnits();
}

double ReportDefinition::contentHeight() const
{
    return pageHeight() - 2 * marginUnits();
}

ReportBand& ReportDefinition::addBand(BandKind kind, double height, tvx::RecordTable* table)
{
    ReportBand b;
    b.kind = kind;
    b.height = height;
    b.table = table;
    bands_.push_back(std::move(b));
    return bands_.back();
}

ReportBand* ReportDefinition::band(BandKind kind)
{
    for (ReportBand& b : bands_)
        if (b.kind == kind)
            return &b;
    return nullptr;
}

ReportElement* ReportDefinition::element(const QString& name)
{
    if (name.isEmpty())
        return nullptr;
    for (ReportBand& b : bands_)
        for (ReportElement& e : b.elements)
            if (e.name == name)
                return &e;
    return nullptr;
}

bool ReportDefinition::setText(const QString& name, const QString& text)
{
    ReportElement* e = element(name);
    if (e == nullptr)
        return false;
    e->text = text;
    if (e->kind == ReportElement::Kind::TextBlock)
        e->filePath.clear(); // text set by code replaces a file
    return true;
}

bool ReportDefinition::setImage(const QString& name, const QImage& image)
{
    ReportElement* e = element(name);
    if (e == nullptr || e->kind != ReportElement::Kind::Image)
        return false;
    e->image = image;
    return true;
}
