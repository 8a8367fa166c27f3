#pragma once
// The windows of each play kind: the one place the app names its kinds.
#include <span>

class QWidget;

namespace zorvek::app {

class TfrmMain;
class TPlayWindow;
class TKindCreateDialog;

struct AppKind {
  int kind;
  TPlayWindow* (*makeWindow)(TfrmMain& main, QWidget* parent);
  TKindCreateDialog* (*makeCreateDialog)(TfrmMain& main, QWidget* parent);
};

// The kinds that have a play window, in kind-number order.
std::span<const AppKind> AppKinds();

}  // namespace zorvek::app
