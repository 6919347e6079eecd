// The picture control: pictures decoded by the platform's loader, a canvas of the picture's size,
// and a thread that plays the frames of an animated GIF onto it.
#include "controls/PictureExWin32.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <string>

#include "kit/DpiWin32.h"
#include "kit/SystemLibraryWin32.h"

namespace mw {

namespace {

constexpr DWORD kStopWaitMs = 5000;
constexpr int kHimetricPerInch = 2540;

void Trace(const char* format, ...) {
    char text[512];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    OutputDebugStringA(text);
}

// A resource or file name for the traces; numbered resources as "#n".
std::string NameOf(LPCWSTR name) {
    if (IS_INTRESOURCE(name)) return "#" + std::to_string(reinterpret_cast<UINT_PTR>(name));
    char text[MAX_PATH] = {};
    WideCharToMultiByte(CP_ACP, 0, name, -1, text, sizeof text, nullptr, nullptr);
    return text;
}

// One picture through the platform's loader; the block it reads is freed with the stream.
IPicture* LoadPicture(const std::uint8_t* bytes, std::size_t size) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, size);
    if (!block) return nullptr;
    void* at = GlobalLock(block);
    if (!at) {
        GlobalFree(block);
        return nullptr;
    }
    std::memcpy(at, bytes, size);
    GlobalUnlock(block);
    IStream* stream = nullptr;
    if (FAILED(CreateStreamOnHGlobal(block, TRUE, &stream))) {
        GlobalFree(block);
        return nullptr;
    }
    // The picture loader comes in with the first picture, on a step after the window has shown.
    static const auto oleLoadPicture = SYSTEM_FUNCTION(L"oleaut32.dll", OleLoadPicture);
    IPicture* picture = nullptr;
    if (!oleLoadPicture || FAILED(oleLoadPicture(stream, static_cast<LONG>(size), FALSE, IID_IPicture,
                              reinterpret_cast<void**>(&picture))))
        picture = nullptr;
    stream->Release();
    return picture;
}

bool Render(IPicture* picture, HDC dc, int x, int y, int width, int height) {
    OLE_XSIZE_HIMETRIC w = 0;
    OLE_YSIZE_HIMETRIC h = 0;
    picture->get_Width(&w);
    picture->get_Height(&h);
    return SUCCEEDED(picture->Render(dc, x, y, width, height, 0, h, w, -h, nullptr));
}

void Fill(HDC dc, const RECT& area, COLORREF colour) {
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(dc, &area, brush);
    DeleteObject(brush);
}

RECT RectOf(const GifRect& r) { return {r.left, r.top, r.left + r.width, r.top + r.height}; }

// Guards the canvas for the length of a scope.
class Locked {
public:
    explicit Locked(CRITICAL_SECTION& lock) : lock_(lock) { EnterCriticalSection(&lock_); }
    ~Locked() { LeaveCriticalSection(&lock_); }
    Locked(const Locked&) = delete;
    Locked& operator=(const Locked&) = delete;

private:
    CRITICAL_SECTION& lock_;
};

}  // namespace

// The canvas as the play loop sees it, drawn on from the animation thread.
class CPictureEx::Canvas : public FrameCanvas {
public:
    explicit Canvas(CPictureEx& picture) : p_(picture) {}
    void SaveArea(const GifRect& a) override {
        Locked lock(p_.canvasLock_);
        BitBlt(p_.saved_, a.left, a.top, a.width, a.height, p_.canvas_, a.left, a.top, SRCCOPY);
    }
    void RestoreArea(const GifRect& a) override {
        Locked lock(p_.canvasLock_);
        BitBlt(p_.canvas_, a.left, a.top, a.width, a.height, p_.saved_, a.left, a.top, SRCCOPY);
    }
    void FillBackground(const GifRect& a) override {
        Locked lock(p_.canvasLock_);
        Fill(p_.canvas_, RectOf(a), p_.background_);
    }
    bool DrawFrame(int index) override {
        const GifRect& a = p_.frames_[index].area;
        Locked lock(p_.canvasLock_);
        return Render(p_.framePictures_[index], p_.canvas_, a.left, a.top, a.width, a.height);
    }
    void Invalidate() override { InvalidateRect(p_.Hwnd(), nullptr, FALSE); }

private:
    CPictureEx& p_;
};

CPictureEx::CPictureEx() {
    InitializeCriticalSection(&canvasLock_);
    exitEvent_ = CreateEventW(nullptr, TRUE, FALSE, nullptr);
}

CPictureEx::~CPictureEx() {
    ReleasePicture();
    if (exitEvent_) CloseHandle(exitEvent_);
    DeleteCriticalSection(&canvasLock_);
}

bool CPictureEx::Load(LPCWSTR resourceName, LPCWSTR resourceType) {
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC found = FindResourceW(module, resourceName, resourceType);
    HGLOBAL resource = found ? LoadResource(module, found) : nullptr;
    const void* bytes = resource ? LockResource(resource) : nullptr;
    const DWORD size = found ? SizeofResource(module, found) : 0;
    if (!bytes || size == 0) {
        Trace("Load (resource): Error loading resource %s\n", NameOf(resourceName).c_str());
        return false;
    }
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, size);
    if (!block) {
        Trace("Load (resource): Error allocating memory\n");
        return false;
    }
    void* at = GlobalLock(block);
    if (!at) {
        Trace("Load (resource): Error locking memory\n");
        GlobalFree(block);
        return false;
    }
    std::memcpy(at, bytes, size);
    GlobalUnlock(block);
    const bool loaded = Load(block, size);
    GlobalFree(block);
    return loaded;
}

bool CPictureEx::Load(LPCWSTR fileName) {
    HANDLE file = CreateFileW(fileName, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        Trace("Load (file): Error opening file %s\n", NameOf(fileName).c_str());
        return false;
    }
    const DWORD size = GetFileSize(file, nullptr);
    HGLOBAL block = size == INVALID_FILE_SIZE ? nullptr : GlobalAlloc(GMEM_MOVEABLE, size ? size : 1);
    if (!block) {
        Trace("Load (file): Error allocating memory\n");
        CloseHandle(file);
        return false;
    }
    void* at = GlobalLock(block);
    if (!at) {
        Trace("Load (file): Error locking memory\n");
        GlobalFree(block);
        CloseHandle(file);
        return false;
    }
    DWORD read = 0;
    const bool complete = ReadFile(file, at, size, &read, nullptr) && read == size;
    GlobalUnlock(block);
    CloseHandle(file);
    bool loaded = false;
    if (complete) loaded = Load(block, size);
    else Trace("Load (file): An exception occured while reading the file %s\n", NameOf(fileName).c_str());
    GlobalFree(block);
    return loaded;
}

bool CPictureEx::Load(HGLOBAL memory, DWORD size) {
    ReleasePicture();
    const auto* bytes = static_cast<const std::uint8_t*>(memory ? GlobalLock(memory) : nullptr);
    if (!bytes) {
        Trace("Load: Error locking memory\n");
        return false;
    }
    const std::vector<std::uint8_t> data(bytes, bytes + size);
    GlobalUnlock(memory);

    if (!IsGif(data.data(), data.size())) {
        picture_ = LoadPicture(data.data(), data.size());
        if (!picture_) {
            ReleasePicture();
            return false;
        }
        OLE_XSIZE_HIMETRIC w = 0;
        OLE_YSIZE_HIMETRIC h = 0;
        picture_->get_Width(&w);
        picture_->get_Height(&h);
        HDC screen = GetDC(nullptr);
        pictureSize_.cx = MulDiv(w, GetDeviceCaps(screen, LOGPIXELSX), kHimetricPerInch);
        pictureSize_.cy = MulDiv(h, GetDeviceCaps(screen, LOGPIXELSY), kHimetricPerInch);
        ReleaseDC(nullptr, screen);
        return PrepareCanvas();
    }

    GifInfo info;
    if (!ScanGif(data.data(), data.size(), info)) {
        ReleasePicture();
        return false;
    }
    isGif_ = true;
    pictureSize_ = {info.width, info.height};
    if (info.hasBackground) background_ = RGB(info.background[0], info.background[1], info.background[2]);
    if (info.frames.size() == 1) {
        picture_ = LoadPicture(data.data(), data.size());
        if (!picture_) {
            ReleasePicture();
            return false;
        }
        return PrepareCanvas();
    }
    if (!LoadAnimation(data, info)) {
        ReleasePicture();
        return false;
    }
    return PrepareCanvas();
}

// Each frame becomes a GIF of its own for the loader; frames it cannot decode are left out.
bool CPictureEx::LoadAnimation(const std::vector<std::uint8_t>& data, const GifInfo& info) {
    for (const GifFrame& frame : info.frames) {
        const std::vector<std::uint8_t> one = FrameGif(data.data(), data.size(), info, frame);
        if (IPicture* picture = LoadPicture(one.data(), one.size())) {
            frames_.push_back(frame);
            framePictures_.push_back(picture);
        }
    }
    return !frames_.empty();
}

bool CPictureEx::PrepareCanvas() {
    if (Hwnd())
        SetWindowPos(Hwnd(), nullptr, 0, 0, ScaledPixels(pictureSize_.cx), ScaledPixels(pictureSize_.cy),
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    HDC screen = GetDC(Hwnd());
    canvas_ = CreateCompatibleDC(screen);
    canvasBitmap_ = CreateCompatibleBitmap(screen, pictureSize_.cx, pictureSize_.cy);
    saved_ = CreateCompatibleDC(screen);
    savedBitmap_ = CreateCompatibleBitmap(screen, pictureSize_.cx, pictureSize_.cy);
    ReleaseDC(Hwnd(), screen);
    if (!canvas_ || !canvasBitmap_ || !saved_ || !savedBitmap_) {
        ReleasePicture();
        return false;
    }
    canvasOld_ = SelectObject(canvas_, canvasBitmap_);
    savedOld_ = SelectObject(saved_, savedBitmap_);
    background_ = GetSysColor(COLOR_BTNFACE);
    Fill(canvas_, {0, 0, pictureSize_.cx, pictureSize_.cy}, background_);
    loaded_ = true;
    return true;
}

bool CPictureEx::Draw() {
    if (!loaded_) {
        Trace("Call one of the CPictureEx::Load() member functions before calling Draw()\n");
        return false;
    }
    if (IsAnimated()) {
        if (thread_) return true;  // already playing
        thread_ = CreateThread(nullptr, 0, ThreadProc, this, CREATE_SUSPENDED, nullptr);
        if (!thread_) {
            Trace("Draw: Couldn't start a GIF animation thread\n");
            return false;
        }
        ResumeThread(thread_);
        return true;
    }
    bool drawn;
    {
        Locked lock(canvasLock_);
        drawn = picture_ && Render(picture_, canvas_, 0, 0, pictureSize_.cx, pictureSize_.cy);
    }
    if (drawn && Hwnd()) InvalidateRect(Hwnd(), nullptr, FALSE);
    return drawn;
}

void CPictureEx::SetBackground(COLORREF colour) {
    if (!loaded_) return;
    Locked lock(canvasLock_);
    background_ = colour;
    Fill(canvas_, {0, 0, pictureSize_.cx, pictureSize_.cy}, colour);
}

DWORD WINAPI CPictureEx::ThreadProc(void* self) {
    static_cast<CPictureEx*>(self)->ThreadAnimation();
    return 0;
}

void CPictureEx::ThreadAnimation() {
    running_ = true;
    Canvas canvas(*this);
    PlayFrames(frames_, {0, 0, pictureSize_.cx, pictureSize_.cy}, canvas,
               [this](unsigned ms) {
                   WaitForSingleObject(exitEvent_, ms);
                   return exit_.load();
               },
               currentFrame_);
    running_ = false;
}

void CPictureEx::StopAnimation() {
    running_ = false;
    if (!thread_) return;
    exit_ = true;
    SetEvent(exitEvent_);
    WaitForSingleObject(thread_, kStopWaitMs);
    CloseHandle(thread_);
    thread_ = nullptr;
    ResetEvent(exitEvent_);
    exit_ = false;
}

void CPictureEx::ReleasePicture() {
    StopAnimation();
    if (picture_) picture_->Release();
    picture_ = nullptr;
    for (IPicture* picture : framePictures_) picture->Release();
    framePictures_.clear();
    frames_.clear();
    if (canvas_) {
        SelectObject(canvas_, canvasOld_);
        DeleteDC(canvas_);
    }
    if (saved_) {
        SelectObject(saved_, savedOld_);
        DeleteDC(saved_);
    }
    if (canvasBitmap_) DeleteObject(canvasBitmap_);
    if (savedBitmap_) DeleteObject(savedBitmap_);
    canvas_ = saved_ = nullptr;
    canvasBitmap_ = savedBitmap_ = nullptr;
    canvasOld_ = savedOld_ = nullptr;
    const bool wasShown = loaded_;
    pictureSize_ = {};
    background_ = RGB(255, 255, 255);
    currentFrame_ = 0;
    isGif_ = false;
    loaded_ = false;
    if (wasShown && Hwnd()) InvalidateRect(Hwnd(), nullptr, TRUE);
}

bool CPictureEx::OnPaint() {
    if (!loaded_) return false;
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(Hwnd(), &paint);
    {
        // The canvas holds the picture's own pixels; on a screen of more dots per inch it is
        // stretched to the control, which was sized to the picture at that scale.
        Locked lock(canvasLock_);
        const int width = ScaledPixels(pictureSize_.cx), height = ScaledPixels(pictureSize_.cy);
        if (width == pictureSize_.cx && height == pictureSize_.cy) {
            BitBlt(dc, 0, 0, width, height, canvas_, 0, 0, SRCCOPY);
        } else {
            const int oldMode = SetStretchBltMode(dc, HALFTONE);
            SetBrushOrgEx(dc, 0, 0, nullptr);
            StretchBlt(dc, 0, 0, width, height, canvas_, 0, 0, pictureSize_.cx, pictureSize_.cy, SRCCOPY);
            SetStretchBltMode(dc, oldMode);
        }
    }
    EndPaint(Hwnd(), &paint);
    return true;
}

bool CPictureEx::OnMessage(UINT message, WPARAM, LPARAM, LRESULT& result) {
    switch (message) {
        case WM_PAINT:
            return OnPaint();
        case WM_ERASEBKGND:
            result = TRUE;
            return loaded_;  // the canvas covers the whole control
        case WM_DESTROY:
            StopAnimation();
            return false;
        default:
            return false;
    }
}

}  // namespace mw
