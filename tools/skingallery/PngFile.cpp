#include "PngFile.h"

#include <windows.h>
#include <wincodec.h>

#include "SysErrors.h"

namespace gallery {
namespace {

// Releases a COM interface on scope exit.
template <class I>
class ComRef {
 public:
  ComRef() = default;
  ~ComRef() {
    if (p_) p_->Release();
  }
  ComRef(const ComRef&) = delete;
  ComRef& operator=(const ComRef&) = delete;
  I** Out() { return &p_; }
  I* operator->() const { return p_; }
  I* Get() const { return p_; }

 private:
  I* p_ = nullptr;
};

bool MakeFactory(ComRef<IWICImagingFactory>& factory, HRESULT& hr) {
  hr = CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                        reinterpret_cast<void**>(factory.Out()));
  return SUCCEEDED(hr);
}

std::string Reason(const char* step, HRESULT hr) {
  return std::string(step) + ": " + tk::SystemErrorText(static_cast<DWORD>(hr));
}

}  // namespace

bool WritePng(const TCapturedImage& image, const std::wstring& path, std::string& why) {
  if (image.Width <= 0 || image.Height <= 0) {
    why = "nothing to write";
    return false;
  }
  HRESULT hr = S_OK;
  ComRef<IWICImagingFactory> factory;
  if (!MakeFactory(factory, hr)) return why = Reason("imaging component", hr), false;
  ComRef<IWICStream> stream;
  ComRef<IWICBitmapEncoder> encoder;
  ComRef<IWICBitmapFrameEncode> frame;
  ComRef<IPropertyBag2> options;
  if (FAILED(hr = factory->CreateStream(stream.Out())) ||
      FAILED(hr = stream->InitializeFromFilename(path.c_str(), GENERIC_WRITE)))
    return why = Reason("cannot create the file", hr), false;
  if (FAILED(hr = factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, encoder.Out())) ||
      FAILED(hr = encoder->Initialize(stream.Get(), WICBitmapEncoderNoCache)) ||
      FAILED(hr = encoder->CreateNewFrame(frame.Out(), options.Out())) ||
      FAILED(hr = frame->Initialize(options.Get())) ||
      FAILED(hr = frame->SetSize(static_cast<UINT>(image.Width), static_cast<UINT>(image.Height))))
    return why = Reason("PNG encoder", hr), false;
  WICPixelFormatGUID format = GUID_WICPixelFormat24bppBGR;
  if (FAILED(hr = frame->SetPixelFormat(&format)) || format != GUID_WICPixelFormat24bppBGR)
    return why = Reason("PNG encoder refuses 24-bit pixels", hr), false;
  const UINT stride = static_cast<UINT>(image.Stride());
  if (FAILED(hr = frame->WritePixels(static_cast<UINT>(image.Height), stride,
                                     static_cast<UINT>(image.Bgr.size()), const_cast<BYTE*>(image.Bgr.data()))) ||
      FAILED(hr = frame->Commit()) || FAILED(hr = encoder->Commit()))
    return why = Reason("cannot write the file", hr), false;
  return true;
}

TCapturedImage ReadPng(const std::wstring& path) {
  TCapturedImage image;
  HRESULT hr = S_OK;
  ComRef<IWICImagingFactory> factory;
  if (!MakeFactory(factory, hr)) return image;
  ComRef<IWICBitmapDecoder> decoder;
  ComRef<IWICBitmapFrameDecode> frame;
  ComRef<IWICFormatConverter> converter;
  UINT width = 0, height = 0;
  if (FAILED(factory->CreateDecoderFromFilename(path.c_str(), nullptr, GENERIC_READ, WICDecodeMetadataCacheOnDemand,
                                                decoder.Out())) ||
      FAILED(decoder->GetFrame(0, frame.Out())) || FAILED(frame->GetSize(&width, &height)) ||
      FAILED(factory->CreateFormatConverter(converter.Out())) ||
      FAILED(converter->Initialize(frame.Get(), GUID_WICPixelFormat24bppBGR, WICBitmapDitherTypeNone, nullptr, 0,
                                   WICBitmapPaletteTypeCustom)))
    return image;
  TCapturedImage read;
  read.Width = static_cast<int>(width);
  read.Height = static_cast<int>(height);
  read.Bgr.resize(static_cast<size_t>(read.Stride()) * height);
  if (FAILED(converter->CopyPixels(nullptr, static_cast<UINT>(read.Stride()), static_cast<UINT>(read.Bgr.size()),
                                   read.Bgr.data())))
    return image;
  return read;
}

}  // namespace gallery
