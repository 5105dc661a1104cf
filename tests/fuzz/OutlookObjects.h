// The model Outlook's objects an add-in can advise a sink on, as the fuzz
// targets of the event boundary look for them: to reach the add-in's own
// sinks as Outlook does, and to see that none is left after it goes.
#pragma once

#include <utility>
#include <vector>

#include "model/office/ModelCommandBarControl.h"
#include "model/office/ModelCommandBarControls.h"
#include "model/office/ModelCommandBars.h"
#include "model/outlook/ModelOutlook.h"

namespace fuzz {

inline void AddControls(const model::ModelCommandBarControls& controls,
                        std::vector<model::ModelObjectPtr>* objects) {
    for (const model::ModelCommandBarControlPtr& control : controls.controls()) {
        objects->push_back(control);
        if (auto popup = boost::dynamic_pointer_cast<model::ModelCommandBarPopup>(control)) {
            AddControls(*popup->controls(), objects);
        }
    }
}

inline void AddBars(const model::ModelCommandBarsPtr& bars,
                    std::vector<model::ModelObjectPtr>* objects) {
    objects->push_back(bars);
    for (const model::ModelCommandBarPtr& bar : bars->bars()) {
        objects->push_back(bar);
        AddControls(*bar->controls(), objects);
    }
}

inline void AddFolder(const model::ModelFolderPtr& folder,
                      std::vector<model::ModelObjectPtr>* objects) {
    objects->push_back(folder);
    for (const model::ModelItemPtr& item : folder->items()) objects->push_back(item);
    for (const model::ModelFolderPtr& child : folder->folders()) AddFolder(child, objects);
}

// The application, its window lists, every open window with its command
// bars and their controls (the context menu's too, while it is open), every
// folder and item.
inline std::vector<model::ModelObjectPtr> OutlookObjects(const model::ModelOutlook& outlook) {
    std::vector<model::ModelObjectPtr> objects;
    objects.push_back(boost::dynamic_pointer_cast<model::ModelObject>(outlook.applicationObject()));
    objects.push_back(outlook.explorers());
    objects.push_back(outlook.inspectors());
    for (const model::ModelObjectPtr& window : outlook.explorers()->windows()) {
        objects.push_back(window);
        AddBars(boost::static_pointer_cast<model::ModelExplorer>(window)->commandBars(), &objects);
    }
    for (const model::ModelObjectPtr& window : outlook.inspectors()->windows()) {
        objects.push_back(window);
        AddBars(boost::static_pointer_cast<model::ModelInspector>(window)->commandBars(), &objects);
    }
    AddFolder(outlook.mailbox(), &objects);
    return objects;
}

// Every sink advised on those objects, with its event interface.
inline std::vector<std::pair<host::Guid, host::EventSink*>> OutlookSinks(
    const model::ModelOutlook& outlook) {
    std::vector<std::pair<host::Guid, host::EventSink*>> sinks;
    for (const model::ModelObjectPtr& object : OutlookObjects(outlook)) {
        for (const auto& sink : object->AdvisedSinks()) sinks.push_back(sink);
    }
    return sinks;
}

}  // namespace fuzz
