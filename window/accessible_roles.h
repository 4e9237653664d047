// SPDX-FileCopyrightText: 2026 The udjat developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Gives our plain widgets the roles assistive tools expect: the main window
// is a frame, the eye diagram a picture, the announcer a notification.
// Safe to call more than once.
void installAccessibleRoles();
