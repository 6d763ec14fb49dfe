#pragma once
// A rectangle of a frame in pixels.

class CArea {
public:
    CArea() = default;
    CArea(unsigned short left, unsigned short top, unsigned short width, unsigned short height)
        : m_left(left), m_top(top), m_width(width), m_height(height)
    {
    }
    CArea(const CArea&) = default;
    CArea& operator=(const CArea&) = default;
    virtual ~CArea() = default;

    void SetLeft(unsigned short v) { m_left = v; }
    void SetTop(unsigned short v) { m_top = v; }
    void SetWidth(unsigned short v) { m_width = v; }
    void SetHeight(unsigned short v) { m_height = v; }
    unsigned short GetLeft() const { return m_left; }
    unsigned short GetTop() const { return m_top; }
    unsigned short GetWidth() const { return m_width; }
    unsigned short GetHeight() const { return m_height; }
    int GetXCenter() const { return m_left + m_width / 2; }
    int GetYCenter() const { return m_top + m_height / 2; }

private:
    unsigned short m_left = 0;
    unsigned short m_top = 0;
    unsigned short m_width = 0;
    unsigned short m_height = 0;
};
