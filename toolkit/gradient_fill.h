#pragma once
#include <windows.h>

#include <string_view>
#include <vector>

#include "toolkit/model/property_values.h"
#include "toolkit/model/band_gradient.h"

namespace quillcast {

class TForm;

// The gradient of a fill object as a layout describes it ("FillObject.*"),
// painted as horizontal bands from top to bottom.
class TGradientFill {
public:
    TGradientFill(ColorValue color, ColorValue endColor, int colorCount) noexcept
        : color_(color), endColor_(endColor), colorCount_(colorCount) {}

    // Takes one "FillObject.*" property; false when the name is not one of them.
    bool ReadProperty(std::string_view name, std::string_view value);

    // Fills `rect` with the bands. The rows and colours are worked out once per
    // height and colour pair and kept, so repainting costs only the fills.
    void Paint(HDC dc, const RECT& rect, const TForm& form);

    int ColorCount() const noexcept { return colorCount_; }

private:
    const std::vector<ColorRun>& RunsFor(int height, COLORREF first, COLORREF last);

    ColorValue color_;
    ColorValue endColor_;
    int colorCount_;
    // What the last paint computed.
    int cachedHeight_ = -1;
    COLORREF cachedFirst_ = 0, cachedLast_ = 0;
    std::vector<ColorRun> runs_;
};

}  // namespace quillcast
