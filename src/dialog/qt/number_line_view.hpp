#pragma once

// The widget of a number line control: its caption at the top, then the line with its marks
// drawn to scale (positions 0 and 1 at the line's ends, well inside the widget so that the
// tags there fit), and under it a legend with one row per mark that has a label. Sizes come
// from the widget's font, so the drawing grows with the font and the screen's scale.

#include "dialog/line_mark.hpp"

#include <QRect>
#include <QString>
#include <QWidget>

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

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    struct Layout;
    Layout layout() const;
    // As placed_texts(), laid out by `l`; a legend row's rectangle is as wide as its text
    // when `measure_legend`, else reaches the view's right edge.
    std::vector<PlacedText> placed_texts(const Layout& l, bool measure_legend) const;

    QString caption_;
    std::vector<Mark> marks_;
};

} // namespace binora
