#pragma once

class QWidget;

// What the schemes window needs of the window that opened it: the colour a new entry receives,
// a way to send a chosen colour back, and the window itself, which owns the schemes window and
// rejoins the top band when a schemes window closes.
class SchemeHost {
public:
    // The current colour as a ColourValue.
    virtual int currentColour() const = 0;
    // Makes a ColourValue current.
    virtual void SetFormColours(int SelColor) = 0;
    virtual QWidget* hostWindow() = 0;

protected:
    ~SchemeHost() = default;
};
