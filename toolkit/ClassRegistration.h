#pragma once
// Makes the toolkit's component classes known to layouts by name.
namespace tk {
void RegisterToolkitClasses();
}
