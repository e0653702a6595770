#pragma once

#include <QWidget>

#include "FieldPicture.h"

namespace pathsum {

// The colour bar: the map from black to full colour, with the numbers of its scale.
class FieldColourBar : public QWidget {
    Q_OBJECT

  public:
    explicit FieldColourBar(QWidget* parent = nullptr);

    void Show(FieldColours map, const FieldScale& scale);
    QSize sizeHint() const override { return {96, 300}; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    FieldColours map_ = FieldColours::Perceptual;
    FieldScale scale_;
};

}  // namespace pathsum
