#pragma once

#include <QWidget>

#include "FieldPicture.h"

namespace pathsum {

// The colour bar: the map from black to full colour, with the numbers of its scale; or the
// waves' map, from a full trough through black to a full crest. It is as wide in either, so
// that the picture beside it keeps its size.
class FieldColourBar : public QWidget {
    Q_OBJECT

  public:
    explicit FieldColourBar(QWidget* parent = nullptr);

    void Show(FieldColours map, const FieldScale& scale);
    void ShowWaves(const FieldScale& scale);
    // As wide as its title and its widest number need.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    FieldColours map_ = FieldColours::Perceptual;
    FieldScale scale_;
    bool waves_ = false;
};

}  // namespace pathsum
