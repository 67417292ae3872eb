#ifndef FRAMEWORK_UI___FLOATRECT_H
#define FRAMEWORK_UI___FLOATRECT_H

/* A rectangle of four 32-bit floats, in the order top, left, bottom, right.
 * Window rectangles are in screen coordinates whose origin is the top-left
 * corner of the primary screen, y growing downward; control rectangles are
 * relative to the top-left corner of the window's content area. */
struct __FloatRect
{
    float top;
    float left;
    float bottom;
    float right;

    float Width() const { return right - left; }
    float Height() const { return bottom - top; }
};

#endif
