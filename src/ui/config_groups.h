#pragma once

class PageBuilder;

// Places the Configurations page's groups and controls, in four columns with the spindle
// commands and the file paths across the bottom.
void buildConfigGroups(PageBuilder& b);
