#pragma once
// The windows of each play kind: the one place the app names its kinds.
#include <span>

class QWidget;

namespace zorvek::app {

class THost;
class TPlayWindow;
class TKindCreateDialog;

struct AppKind {
  int kind;
  TPlayWindow* (*makeWindow)(THost& host, QWidget* parent);
  TKindCreateDialog* (*makeCreateDialog)(THost& host, QWidget* parent);
};

// The kinds that have a play window, in kind-number order.
std::span<const AppKind> AppKinds();

}  // namespace zorvek::app
