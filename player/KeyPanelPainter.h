#pragma once
// Draws the key panel of a running player interface: background, status
// line and key caps, each in the style of its state. Fonts and the
// background picture are made once and kept while the painter lives.

#include "player/PlayerInterface.h"

#include "platform/WinTypes.h"
#include "platform/gdi/MemoryDib.h"

#include <array>
#include <string>
#include <vector>

namespace player {

struct CapView;
struct StatusView;
class PlayerRuntime;

class KeyPanelPainter {
public:
    KeyPanelPainter() = default;
    ~KeyPanelPainter();
    KeyPanelPainter(const KeyPanelPainter&) = delete;
    KeyPanelPainter& operator=(const KeyPanelPainter&) = delete;

    // Everything of the runtime's panel that meets `clip` (panel coordinates).
    void paint(HDC dc, const PlayerRuntime& runtime, const RECT& clip);
    // A panel without an interface: the reason the file could not be used.
    void paintFailure(HDC dc, const RECT& client, const std::string& reason);

private:
    void paintBackground(HDC dc, const PlayerInterface& ui, const RECT& clip);
    void paintStatus(HDC dc, const PlayerInterface& ui, const StatusView& status);
    void paintCap(HDC dc, const PlayerInterface& ui, const KeySpec& key, const CapView& view);
    void paintTallCap(HDC dc, const CapStyle& style, const KeySpec& key, const CapView& view);
    void paintFlatCap(HDC dc, const CapStyle& style, const KeySpec& key, const CapView& view);
    void paintLoopMark(HDC dc, int right, int top, COLORREF color);
    HFONT font(const FontSpec& spec);

    struct CachedFont {
        FontSpec spec;
        HFONT handle;
    };
    std::vector<CachedFont> fonts_;
    const PixelBuffer* backgroundSource_ = nullptr;
    brio::MemoryDib background_;
};

} // namespace player
