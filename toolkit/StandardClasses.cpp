#include "toolkit/Action.h"
#include "toolkit/ClassRegistry.h"
#include "toolkit/ExtCtrls.h"
#include "toolkit/GraphicControls.h"
#include "toolkit/ImageList.h"
#include "toolkit/ListView.h"
#include "toolkit/Menus.h"
#include "toolkit/PageControl.h"
#include "toolkit/RangeControls.h"
#include "toolkit/StatusBar.h"
#include "toolkit/TabSet.h"
#include "toolkit/StdCtrls.h"
#include "toolkit/TreeView.h"

namespace tk {

void RegisterStandardClasses(ClassRegistry& registry) {
    registry.Register<Image>();
    registry.Register<Shape>();
    registry.Register<Label>();
    registry.Register<SpeedButton>();
    registry.Register<Button>();
    registry.Register<BitBtn>();
    registry.Register<CheckBox>();
    registry.Register<RadioButton>();
    registry.Register<GroupBox>();
    registry.Register<RadioGroup>();
    registry.Register<Edit>();
    registry.Register<Memo>();
    registry.Register<ComboBox>();
    registry.Register<ScrollBar>();
    registry.Register<Panel>();
    registry.Register<PageControl>();
    registry.Register<TabSheet>();
    registry.Register<TabSet>();
    registry.Register<TreeView>();
    registry.Register<ListView>();
    registry.Register<StatusBar>();
    registry.Register<TrackBar>();
    registry.Register<UpDown>();
    registry.Register<ProgressBar>();
    registry.Register<DateTimePicker>();
    registry.Register<Timer>();
    registry.Register<MainMenu>();
    registry.Register<PopupMenu>();
    registry.Register<MenuItem>();
    registry.Register<ImageList>();
    registry.Register<ActionList>();
    registry.Register<Action>();
}

} // namespace tk
