#pragma once
// A connection point for one dispinterface: sinks advise, events are invoked on each by dispid.
// It lives inside its container and shares the container's reference count.
#include <ocidl.h>
#include <olectl.h>
#include <windows.h>

#include <vector>

namespace tts {

class ConnectionPoint final : public IConnectionPoint {
 public:
  ConnectionPoint(IConnectionPointContainer* container, REFIID eventInterface);
  ~ConnectionPoint();
  ConnectionPoint(const ConnectionPoint&) = delete;
  ConnectionPoint& operator=(const ConnectionPoint&) = delete;

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** out) override;
  ULONG STDMETHODCALLTYPE AddRef() override { return container_->AddRef(); }
  ULONG STDMETHODCALLTYPE Release() override { return container_->Release(); }
  // IConnectionPoint
  HRESULT STDMETHODCALLTYPE GetConnectionInterface(IID* iid) override;
  HRESULT STDMETHODCALLTYPE GetConnectionPointContainer(IConnectionPointContainer** out) override;
  HRESULT STDMETHODCALLTYPE Advise(IUnknown* sink, DWORD* cookie) override;
  HRESULT STDMETHODCALLTYPE Unadvise(DWORD cookie) override;
  HRESULT STDMETHODCALLTYPE EnumConnections(IEnumConnections** out) override;

  // Invokes `dispid` on every sink with integer arguments (in declaration order).
  void Fire(DISPID dispid, std::initializer_list<LONG> arguments);
  size_t SinkCount() const { return sinks_.size(); }
  void UnadviseAll();

 private:
  struct Sink {
    DWORD cookie;
    IDispatch* dispatch;
  };
  IConnectionPointContainer* container_;
  IID iid_;
  std::vector<Sink> sinks_;
  DWORD nextCookie_ = 1;
};

// Enumerates exactly the connection points given (AddRef'd while it lives).
HRESULT CreateConnectionPointEnumerator(std::vector<IConnectionPoint*> points, IEnumConnectionPoints** out);

}  // namespace tts
