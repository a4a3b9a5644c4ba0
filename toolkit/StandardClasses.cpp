#include "Action.h"
#include "ClassRegistry.h"
#include "ExtCtrls.h"
#include "GraphicControls.h"
#include "ImageList.h"
#include "ListView.h"
#include "Menus.h"
#include "PageControl.h"
#include "RangeControls.h"
#include "StatusBar.h"
#include "TabSet.h"
#include "StdCtrls.h"
#include "TreeView.h"

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
