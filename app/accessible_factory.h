// SPDX-FileCopyrightText: 2026 Oztrabel
// SPDX-License-Identifier: MIT

#pragma once

// Teaches Qt's accessibility how screen readers should see this program's own widgets: the main
// window as a frame, each entry box read whole, each result with its caption and unit, the
// announcer of new results, the tab strip with its front tab selected. Safe to call more than once.
void installAccessibleFactory();
