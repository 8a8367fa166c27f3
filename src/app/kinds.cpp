#include "app/kinds.h"

#include "app/futoshiki/futnew.h"
#include "app/futoshiki/futoshikiwindow.h"
#include "app/hexkakuro/hexkakurowindow.h"
#include "app/hexkakuro/hexnew.h"
#include "app/kakuro/kaknew.h"
#include "app/kakuro/kakurowindow.h"
#include "app/sudoku/sudnew.h"
#include "app/sudoku/sudokuwindow.h"
#include "core/common/types.h"

namespace zorvek::app {
namespace {

template <typename Window>
TPlayWindow* Make(THost& host, QWidget* parent) {
  return new Window(host, parent);
}

template <typename Dialog>
TKindCreateDialog* MakeDialog(THost& host, QWidget* parent) {
  return new Dialog(host, parent);
}

constexpr AppKind kAppKinds[] = {
    {kKindSudoku, Make<TfrmSudoku>, MakeDialog<TfrmSudNew>},
    {kKindKakuro, Make<TfrmKakuro>, MakeDialog<TfrmKakNew>},
    {kKindFutoshiki, Make<TfrmFutoshiki>, MakeDialog<TfrmFutNew>},
    {kKindHexKakuro, Make<TfrmHexKakuro>, MakeDialog<TfrmHexNew>},
};

}  // namespace

std::span<const AppKind> AppKinds() { return kAppKinds; }

}  // namespace zorvek::app
