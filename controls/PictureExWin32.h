// A static control that shows a picture and plays animated GIFs on a thread of its own; the main
// window's banner.
#pragma once

#include <windows.h>
#include <ocidl.h>
#include <olectl.h>

#include <atomic>
#include <cstdint>
#include <vector>

#include "controls/ControlSubclassWin32.h"
#include "controls/PictureEx.h"

namespace mw {

// Attach takes over the painting of a static control of a dialog.
class CPictureEx : public ControlSubclass {
public:
    CPictureEx();
    ~CPictureEx() override;

    // Each load releases what was loaded before. A damaged GIF fails and leaves the control empty.
    bool Load(LPCWSTR resourceName, LPCWSTR resourceType);
    bool Load(LPCWSTR fileName);
    bool Load(HGLOBAL memory, DWORD size);
    // Shows a still picture, or starts playing an animated one.
    bool Draw();
    // The colour behind transparent parts and disposed frames; only while a picture is loaded.
    void SetBackground(COLORREF colour);
    // Ends the animation thread; it stops within one frame delay.
    void StopAnimation();
    // Stops, frees every picture and drawing object, and returns to the state of construction.
    void ReleasePicture();

    SIZE GetPictureSize() const { return pictureSize_; }
    bool IsGifPicture() const { return isGif_; }
    bool IsAnimated() const { return isGif_ && frames_.size() > 1; }
    int FrameCount() const { return IsAnimated() ? static_cast<int>(frames_.size()) : 0; }
    bool IsAnimating() const { return running_; }

private:
    class Canvas;

    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    static DWORD WINAPI ThreadProc(void* self);
    void ThreadAnimation();
    bool OnPaint();
    bool PrepareCanvas();
    bool LoadAnimation(const std::vector<std::uint8_t>& data, const GifInfo& info);

    // The lock guards the canvas, which the animation thread draws on while the window's thread
    // copies it to the screen.
    SIZE pictureSize_ = {};
    COLORREF background_ = RGB(255, 255, 255);
    int currentFrame_ = 0;
    bool isGif_ = false;
    std::atomic<bool> running_{false};
    std::atomic<bool> exit_{false};
    bool loaded_ = false;
    HDC canvas_ = nullptr;
    HBITMAP canvasBitmap_ = nullptr;
    HGDIOBJ canvasOld_ = nullptr;
    HDC saved_ = nullptr;
    HBITMAP savedBitmap_ = nullptr;
    HGDIOBJ savedOld_ = nullptr;
    HANDLE thread_ = nullptr;
    HANDLE exitEvent_ = nullptr;
    IPicture* picture_ = nullptr;
    std::vector<GifFrame> frames_;
    std::vector<IPicture*> framePictures_;  // one per entry of frames_
    CRITICAL_SECTION canvasLock_;
};

}  // namespace mw
