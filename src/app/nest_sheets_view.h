// The sheets of a nest drawn side by side and one below the other, each as large as the view
// allows, with its caption; the engine draws them through the painter canvas.
#pragma once

#include "core/units.h"
#include "nesting/nest_job.h"

#include <QWidget>

#include <optional>

namespace brevant {

class NestSheetsView : public QWidget {
    Q_OBJECT
public:
    explicit NestSheetsView(QWidget* parent = nullptr);

    // What is shown: the job's parts placed as the result says (nothing: an empty view).
    void Show(const NestJob& job, const std::optional<NestResult>& result, UnitSystem units);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    NestJob job_;
    std::optional<NestResult> result_;
    UnitSystem units_ = kInches;
};

} // namespace brevant
