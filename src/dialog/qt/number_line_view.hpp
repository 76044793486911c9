#pragma once

// The widget of a number line control: its caption at the top, then the line with its marks
// drawn to scale (positions 0 and 1 at the line's ends, well inside the widget so that the
// tags there fit), and under it a legend with one row per mark that has a label. Sizes come
// from the widget's font, so the drawing grows with the font and the screen's scale.

#include "dialog/line_mark.hpp"

#include <QRawFont>
#include <QRect>
#include <QStaticText>
#include <QString>
#include <QWidget>

#include <memory>
#include <vector>

class QAccessibleInterface;

namespace binora {

// Screen readers meet a number line as a chart named by its label; its description is its
// caption and legend, one line each. Installed as a QAccessible factory.
QAccessibleInterface* number_line_accessible(const QString& class_name, QObject* object);

class NumberLineView final : public QWidget {
  public:
    explicit NumberLineView(QWidget* parent);

    // The caption and marks to draw (texts in Unicode).
    struct Mark {
        LineMarkKind kind;
        double position;
        QString tag;
        QString label;
        bool operator==(const Mark& other) const;
    };
    void set_content(const QString& caption, std::vector<Mark> marks);

    const QString& caption() const { return caption_; }
    const std::vector<Mark>& marks() const { return marks_; }

    // Every text drawn, with the rectangle it is drawn in, in drawing order: the caption, the
    // tags, the legend's rows.
    struct PlacedText {
        QString text;
        QRect rect;
        int mark = -1;       // the index of its mark; -1 for the caption
        bool legend = false; // a row of the legend (else the caption or a tag)
    };
    std::vector<PlacedText> placed_texts() const;

    ~NumberLineView() override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    struct Layout;
    struct Drawing;
    // What is drawn, laid out, with every text ready to draw. Made again only after the
    // content, the size or the font changed; the wrapped caption only when it, the size or
    // the font changed, since a keystroke changes the marks far more often than the words.
    const Drawing& drawing() const;
    void forget_drawing(bool caption_too);

    QString caption_;
    std::vector<Mark> marks_;
    mutable std::unique_ptr<Drawing> drawing_; // null until drawn, and after a change
    mutable std::unique_ptr<QStaticText> caption_text_;
    mutable QRect caption_wrapped_; // where the caption's wrapped lines fall
    mutable QRawFont raw_font_;     // the widget's font, for the tags' and legend's lines
};

} // namespace binora
