#include "preview/home_window.h"

HomeMaximum homeMaximumFor(const MaterialView& m, bool autozoom, float tableW, float tableH)
{
    if (!(m.length > 0) || !autozoom)
        return {tableW, tableH};
    if (m.sides == 2) {
        const float byWidth = m.width * 2.5f;
        const float byLength = m.length * m.aspectRatio;
        const float x = byLength > byWidth ? byLength : byWidth;
        const float tall = x / m.aspectRatio;
        return {x, tall > m.length ? tall : m.length};
    }
    return {m.length * m.aspectRatio, m.length};
}
