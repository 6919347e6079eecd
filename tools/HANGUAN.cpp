// Welded pipe size window: fills its two lists once.
#include "tools/HANGUAN.h"

#include "res/resource.h"
#include "tools/WeldedPipeTables.h"

namespace mw {

void CHANGUAN::OnInitDialog() {
    for (const WeldedPipeRow& pipe : kWeldedPipes) surface_.AddItem(IDC_HANGUAN_THIN, pipe.thinWall);
    for (const WeldedPipeRow& pipe : kWeldedPipes) surface_.AddItem(IDC_HANGUAN_THICK, pipe.thickWall);
}

}  // namespace mw
