// SPDX-FileCopyrightText: 2026 Oztrabel
// SPDX-License-Identifier: MIT

#pragma once

// Teaches Qt's accessibility how screen readers should see this program's own widgets: the main
// window as a frame, each result with its caption and unit, the tab strip with its front tab
// selected. Safe to call more than once.
void installAccessibleFactory();
