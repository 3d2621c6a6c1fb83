#include "ConnectionPoint.h"

#include <algorithm>
#include <atomic>

namespace tts {

namespace {

// One enumerator template for connection points and connections.
template <class Interface, class Item, const IID* Iid>
class Enumerator final : public Interface {
 public:
  Enumerator(std::vector<Item> items, size_t pos, void (*addRef)(Item&), void (*release)(Item&))
      : items_(std::move(items)), pos_(pos), addRef_(addRef), release_(release) {
    for (auto& i : items_) addRef_(i);
  }
  ~Enumerator() {
    for (auto& i : items_) release_(i);
  }
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** out) override {
    if (!out) return E_POINTER;
    if (riid == IID_IUnknown || riid == *Iid) {
      *out = static_cast<Interface*>(this);
      AddRef();
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++refs_; }
  ULONG STDMETHODCALLTYPE Release() override {
    ULONG r = --refs_;
    if (r == 0) delete this;
    return r;
  }
  HRESULT STDMETHODCALLTYPE Next(ULONG count, Item* out, ULONG* fetched) override {
    if (!out || (count > 1 && !fetched)) return E_POINTER;
    ULONG n = 0;
    for (; n < count && pos_ < items_.size(); ++n, ++pos_) {
      out[n] = items_[pos_];
      addRef_(out[n]);
    }
    if (fetched) *fetched = n;
    return n == count ? S_OK : S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE Skip(ULONG count) override {
    size_t left = items_.size() - pos_;
    pos_ += std::min<size_t>(count, left);
    return count <= left ? S_OK : S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE Reset() override {
    pos_ = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE Clone(Interface** out) override {
    if (!out) return E_POINTER;
    *out = new Enumerator(items_, pos_, addRef_, release_);
    return S_OK;
  }

 private:
  std::atomic<ULONG> refs_{1};
  std::vector<Item> items_;
  size_t pos_;
  void (*addRef_)(Item&);
  void (*release_)(Item&);
};

void AddRefPoint(IConnectionPoint*& p) { p->AddRef(); }
void ReleasePoint(IConnectionPoint*& p) { p->Release(); }
void AddRefData(CONNECTDATA& d) { d.pUnk->AddRef(); }
void ReleaseData(CONNECTDATA& d) { d.pUnk->Release(); }

using PointEnumerator = Enumerator<IEnumConnectionPoints, IConnectionPoint*, &IID_IEnumConnectionPoints>;
using ConnectionEnumerator = Enumerator<IEnumConnections, CONNECTDATA, &IID_IEnumConnections>;

}  // namespace

HRESULT CreateConnectionPointEnumerator(std::vector<IConnectionPoint*> points, IEnumConnectionPoints** out) {
  if (!out) return E_POINTER;
  *out = new PointEnumerator(std::move(points), 0, AddRefPoint, ReleasePoint);
  return S_OK;
}

ConnectionPoint::ConnectionPoint(IConnectionPointContainer* container, REFIID eventInterface)
    : container_(container), iid_(eventInterface) {}

ConnectionPoint::~ConnectionPoint() { UnadviseAll(); }

void ConnectionPoint::UnadviseAll() {
  auto sinks = std::move(sinks_);
  sinks_.clear();
  for (auto& s : sinks) s.dispatch->Release();
}

HRESULT ConnectionPoint::QueryInterface(REFIID riid, void** out) {
  if (!out) return E_POINTER;
  if (riid == IID_IUnknown || riid == IID_IConnectionPoint) {
    *out = static_cast<IConnectionPoint*>(this);
    AddRef();
    return S_OK;
  }
  *out = nullptr;
  return E_NOINTERFACE;
}

HRESULT ConnectionPoint::GetConnectionInterface(IID* iid) {
  if (!iid) return E_POINTER;
  *iid = iid_;
  return S_OK;
}

HRESULT ConnectionPoint::GetConnectionPointContainer(IConnectionPointContainer** out) {
  if (!out) return E_POINTER;
  *out = container_;
  container_->AddRef();
  return S_OK;
}

HRESULT ConnectionPoint::Advise(IUnknown* sink, DWORD* cookie) {
  if (!sink || !cookie) return E_POINTER;
  *cookie = 0;
  IDispatch* dispatch = nullptr;
  if (FAILED(sink->QueryInterface(iid_, reinterpret_cast<void**>(&dispatch))) &&
      FAILED(sink->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&dispatch))))
    return CONNECT_E_CANNOTCONNECT;
  *cookie = nextCookie_++;
  sinks_.push_back({*cookie, dispatch});
  return S_OK;
}

HRESULT ConnectionPoint::Unadvise(DWORD cookie) {
  auto it = std::find_if(sinks_.begin(), sinks_.end(), [&](const Sink& s) { return s.cookie == cookie; });
  if (it == sinks_.end()) return CONNECT_E_NOCONNECTION;
  IDispatch* dispatch = it->dispatch;
  sinks_.erase(it);
  dispatch->Release();
  return S_OK;
}

HRESULT ConnectionPoint::EnumConnections(IEnumConnections** out) {
  if (!out) return E_POINTER;
  std::vector<CONNECTDATA> data;
  for (const auto& s : sinks_) data.push_back({s.dispatch, s.cookie});
  *out = new ConnectionEnumerator(std::move(data), 0, AddRefData, ReleaseData);
  return S_OK;
}

void ConnectionPoint::Fire(DISPID dispid, std::initializer_list<LONG> arguments) {
  // Handlers may advise or unadvise: call a snapshot, each sink kept alive for its call.
  std::vector<IDispatch*> targets;
  for (const auto& s : sinks_) {
    s.dispatch->AddRef();
    targets.push_back(s.dispatch);
  }
  std::vector<VARIANTARG> args(arguments.size());
  size_t i = arguments.size();
  for (LONG a : arguments) {  // DISPPARAMS lists arguments last to first
    --i;
    VariantInit(&args[i]);
    args[i].vt = VT_I4;
    args[i].lVal = a;
  }
  DISPPARAMS params{args.empty() ? nullptr : args.data(), nullptr, static_cast<UINT>(args.size()), 0};
  for (IDispatch* d : targets) {
    d->Invoke(dispid, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params, nullptr, nullptr, nullptr);
    d->Release();
  }
}

}  // namespace tts
