#include "tests/win/gui_helpers.h"

#include <wincodec.h>
#include <algorithm>
#include <wrl/client.h>

namespace morvane::testing {

namespace {

using Microsoft::WRL::ComPtr;

// A top-down 32-bit bitmap whose bits can be read directly.
struct Canvas32 {
  Canvas32(int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    dc = CreateCompatibleDC(nullptr);
    bitmap =
        CreateDIBSection(dc, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits), nullptr, 0);
    old = SelectObject(dc, bitmap);
    count = static_cast<std::size_t>(width) * height;
  }
  ~Canvas32() {
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
  }
  Pixels Read() const {
    GdiFlush();
    Pixels pixels(bits, bits + count);
    for (DWORD& p : pixels) p &= 0x00FFFFFF;
    return pixels;
  }
  HDC dc;
  HBITMAP bitmap;
  HGDIOBJ old;
  DWORD* bits = nullptr;
  std::size_t count;
};

}  // namespace

Pixels DrawnPixels(int size, const std::function<void(HDC)>& draw) {
  return DrawnPixels(size, size, draw);
}

Pixels DrawnPixels(int width, int height, const std::function<void(HDC)>& draw) {
  Canvas32 canvas(width, height);
  const RECT all{0, 0, width, height};
  FillRect(canvas.dc, &all, GetSysColorBrush(COLOR_WINDOW));
  draw(canvas.dc);
  return canvas.Read();
}

Pixels ShownPixels(HWND window, int size) {
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  Canvas32 canvas(size, size);
  HDC screen = GetDC(window);
  BitBlt(canvas.dc, 0, 0, size, size, screen, 0, 0, SRCCOPY);
  ReleaseDC(window, screen);
  return canvas.Read();
}

AnswerWatch::AnswerWatch(HWND window) : window_(window) {
  sender_ = std::thread([this] {
    while (!done_) {
      sentAt_ = GetTickCount64();
      DWORD_PTR result = 0;
      SendMessageTimeoutW(window_, WM_NULL, 0, 0, SMTO_NORMAL, 60000, &result);
      const ULONGLONG waited = GetTickCount64() - sentAt_;
      sentAt_ = 0;
      if (waited > longest_) longest_ = waited;
      Sleep(5);
    }
    finished_ = true;
  });
}

// The last message sent must be answered before the sender can end.
AnswerWatch::~AnswerWatch() {
  done_ = true;
  while (!finished_) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    PumpMessages();
  }
  sender_.join();
}

double AnswerWatch::LongestWait() const {
  const ULONGLONG sent = sentAt_;
  const ULONGLONG pending = sent ? GetTickCount64() - sent : 0;
  return static_cast<double>(std::max<ULONGLONG>(longest_, pending)) / 1000.0;
}

void PumpMessages() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

::testing::AssertionResult WaitFor(const char* what, const std::function<bool()>& condition,
                                   DWORD timeoutMs) {
  const ULONGLONG deadline = GetTickCount64() + timeoutMs;
  for (;;) {
    PumpMessages();
    if (condition()) return ::testing::AssertionSuccess();
    if (GetTickCount64() >= deadline) {
      return ::testing::AssertionFailure() << "waited " << timeoutMs << " ms for " << what;
    }
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
}

bool SaveScreenshot(HWND window, const std::wstring& pngPath) {
  RedrawWindow(window, nullptr, nullptr,
               RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_FRAME);
  // Wine copies what was painted to the display as the thread waits for messages.
  for (int i = 0; i < 4; ++i) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
    PumpMessages();
  }
  RECT area;
  GetWindowRect(window, &area);
  const int width = area.right - area.left, height = area.bottom - area.top;
  Canvas32 shot(width, height);
  HDC screen = GetDC(nullptr);
  BitBlt(shot.dc, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
  ReleaseDC(nullptr, screen);
  GdiFlush();

  const bool comReady = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
  bool saved = false;
  {
    ComPtr<IWICImagingFactory> factory;
    ComPtr<IWICBitmap> bitmap;
    ComPtr<IWICStream> stream;
    ComPtr<IWICBitmapEncoder> encoder;
    ComPtr<IWICBitmapFrameEncode> frame;
    WICPixelFormatGUID format = GUID_WICPixelFormat32bppBGR;
    saved = SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                       IID_PPV_ARGS(&factory))) &&
            SUCCEEDED(factory->CreateBitmapFromHBITMAP(shot.bitmap, nullptr, WICBitmapIgnoreAlpha,
                                                       &bitmap)) &&
            SUCCEEDED(factory->CreateStream(&stream)) &&
            SUCCEEDED(stream->InitializeFromFilename(pngPath.c_str(), GENERIC_WRITE)) &&
            SUCCEEDED(factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, &encoder)) &&
            SUCCEEDED(encoder->Initialize(stream.Get(), WICBitmapEncoderNoCache)) &&
            SUCCEEDED(encoder->CreateNewFrame(&frame, nullptr)) &&
            SUCCEEDED(frame->Initialize(nullptr)) &&
            SUCCEEDED(frame->SetSize(static_cast<UINT>(width), static_cast<UINT>(height))) &&
            SUCCEEDED(frame->SetPixelFormat(&format)) &&
            SUCCEEDED(frame->WriteSource(bitmap.Get(), nullptr)) && SUCCEEDED(frame->Commit()) &&
            SUCCEEDED(encoder->Commit());
  }
  if (comReady) CoUninitialize();
  return saved;
}

}  // namespace morvane::testing
