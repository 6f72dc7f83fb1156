// The staff page: logs in, shows the bells' state as the server tells it (server-sent events),
// and gives the commands the account may give. Everything it needs comes from the program.
"use strict";

const $ = (id) => document.getElementById(id);
const session = {
  get csrf() { return sessionStorage.getItem("csrf") || ""; },
  get role() { return sessionStorage.getItem("role") || ""; },
  get user() { return sessionStorage.getItem("user") || ""; },
  keep(answer) {
    sessionStorage.setItem("csrf", answer.csrf);
    sessionStorage.setItem("role", answer.role);
    sessionStorage.setItem("user", answer.user);
  },
  forget() { sessionStorage.clear(); },
};

// The page's texts in the bell PC's language, as /texts.json gives them; a text missing there is
// shown as it is written here. %1, %2 take the arguments.
let texts = {};
function T(text, ...args) {
  let shown = texts[text] || text;
  args.forEach((arg, i) => { shown = shown.split("%" + (i + 1)).join(String(arg)); });
  return shown;
}

async function translatePage() {
  const answer = await fetch("/texts.json", { credentials: "same-origin" })
    .then((r) => (r.ok ? r.json() : {})).catch(() => ({}));
  texts = answer.texts || {};
  if (answer.lang) { document.documentElement.lang = answer.lang; }
  for (const el of document.querySelectorAll("[data-t]")) { el.textContent = T(el.textContent.trim()); }
  for (const el of document.querySelectorAll("[data-t-label]")) {
    el.setAttribute("aria-label", T(el.getAttribute("aria-label")));
  }
}

let events = null;
let clockBase = null;  // the bells' time as last told, and when it was told here
let pendingAlarm = null;

function say(text, refused) {
  const message = $("message");
  message.textContent = text || "";
  message.classList.toggle("refused", !!refused);
}

async function call(route, body) {
  let response;
  try {
    response = await fetch("/api/" + route, {
      method: "POST",
      credentials: "same-origin",
      headers: { "Content-Type": "application/json", "X-CSRF-Token": session.csrf },
      body: JSON.stringify(body || {}),
    });
  } catch (e) {
    say(T("The bell PC cannot be reached: %1", e.message), true);
    return null;
  }
  const answer = await response.json().catch(() => ({}));
  if (response.status === 401) {
    showLogin(T("Your session has ended: log in again."));
    return null;
  }
  say(answer.message || "", !response.ok);
  return response.ok ? answer : null;
}

function showLogin(why) {
  if (events) { events.close(); events = null; }
  session.forget();
  $("staff").hidden = true;
  $("login").hidden = false;
  $("login-error").textContent = why || "";
  $("state").textContent = T("Not logged in");
  $("state").classList.remove("alarm");
}

function showStaff() {
  $("login").hidden = true;
  $("staff").hidden = false;
  $("office").hidden = session.role !== "office";
  $("who").textContent = T("Logged in as %1 (%2)", session.user, session.role);
  listen();
}

function listen() {
  if (events) { events.close(); }
  events = new EventSource("/api/events");
  events.onmessage = (e) => {
    try { show(JSON.parse(e.data)); } catch (_) { /* a broken message: the next one comes */ }
  };
  events.onerror = async () => {
    // A closed stream after a refusal (an ended session) is not tried again by the browser.
    if (events && events.readyState === EventSource.CLOSED) {
      const response = await fetch("/api/status", { credentials: "same-origin" }).catch(() => null);
      if (response && response.status === 401) {
        showLogin(T("Your session has ended: log in again."));
      } else {
        setTimeout(listen, 3000);
      }
    }
  };
}

function tickClock() {
  if (!clockBase) { return; }
  const now = new Date(clockBase.at.getTime() + (Date.now() - clockBase.here));
  $("clock").textContent = now.toTimeString().slice(0, 8);
}

function item(text, mark, className) {
  const li = document.createElement("li");
  const time = document.createElement("span");
  time.textContent = text;
  li.appendChild(time);
  if (mark) {
    const span = document.createElement("span");
    span.className = "mark";
    span.textContent = mark;
    li.appendChild(span);
  }
  if (className) { li.className = className; }
  return li;
}

function showAlarms(names, sounding) {
  const box = $("alarms");
  const shown = Array.from(box.children).map((b) => b.dataset.name).join("\n");
  if (shown !== names.join("\n")) {
    box.replaceChildren(...names.map((name) => {
      const button = document.createElement("button");
      button.textContent = name;
      button.dataset.name = name;
      if (/clear/i.test(name)) { button.className = "clear"; }
      button.addEventListener("click", () => askAlarm(name));
      return button;
    }));
  }
  for (const button of box.children) {
    button.disabled = button.dataset.name.toLowerCase() === (sounding || "").toLowerCase();
  }
}

function askAlarm(name) {
  pendingAlarm = name;
  $("confirm-text").textContent = T("Sound %1 in the whole school now?", name);
  $("confirm").hidden = false;
  $("confirm-yes").focus();
}

function show(s) {
  const [h, m, sec] = (s.time || "00:00:00").split(":").map(Number);
  const at = new Date();
  at.setHours(h, m, sec, 0);
  clockBase = { at, here: Date.now() };
  tickClock();

  const state = $("state");
  state.classList.toggle("alarm", !!s.alarm);
  state.textContent = s.alarm ? T("ALARM: %1", s.alarm)
    : s.running ? T("The bells run") : T("The bells are stopped");
  $("alarm-now").hidden = !s.alarm;
  $("alarm-name").textContent = s.alarm || "";
  showAlarms(s.alarm_signals || [], s.alarm);

  $("next").textContent = !s.running ? T("None: the bells are stopped")
    : s.next_bell ? s.next_bell + (s.next_sound ? "  " + s.next_sound : "") : T("None left today");
  $("day").textContent = (s.day || "") + (s.mode ? ", " + s.mode : "");
  const minuteNow = h * 60 + m;
  const lines = s.today || [];
  $("today").replaceChildren(...(lines.length ? [] : [item(s.running ? T("No bells today") : T("None listed: the bells are stopped"))]));
  $("today").append(...lines.map((line) => {
    const [lh, lm] = (line.time || "0:0").split(":").map(Number);
    const cls = line.mark === "skipped" ? "skipped" : (lh * 60 + lm <= minuteNow ? "past" : "");
    return item(line.time + (line.sound ? "  " + line.sound : ""), line.mark, cls);
  }));
  $("changes").replaceChildren(...(s.today_changes || []).map((text, index) => {
    const li = item(text);
    const undo = document.createElement("button");
    undo.className = "link";
    undo.textContent = T("Undo");
    undo.addEventListener("click", () => call("today/undo", { change: index }));
    li.appendChild(undo);
    return li;
  }));
}

function showChangeFields() {
  const kind = $("change-kind").value;
  for (const el of document.querySelectorAll("#change-form [data-for]")) {
    el.hidden = el.dataset.for !== kind;
  }
}

document.addEventListener("DOMContentLoaded", async () => {
  await translatePage();
  setInterval(tickClock, 1000);
  showChangeFields();

  $("login-form").addEventListener("submit", async (e) => {
    e.preventDefault();
    $("login-error").textContent = "";
    const response = await fetch("/api/login", {
      method: "POST",
      credentials: "same-origin",
      headers: { "Content-Type": "application/json" },
      body: JSON.stringify({ user: $("user").value, password: $("password").value }),
    }).catch(() => null);
    const answer = response ? await response.json().catch(() => ({})) : {};
    if (!response || !response.ok) {
      $("login-error").textContent = answer.message || T("The bell PC cannot be reached.");
      return;
    }
    $("password").value = "";
    session.keep(answer);
    showStaff();
  });

  $("confirm-yes").addEventListener("click", async () => {
    $("confirm").hidden = true;
    if (pendingAlarm) { await call("alarm", { name: pendingAlarm }); }
    pendingAlarm = null;
  });
  $("confirm-no").addEventListener("click", () => { $("confirm").hidden = true; pendingAlarm = null; });
  $("alarm-stop").addEventListener("click", () => call("alarm-stop"));
  for (const button of document.querySelectorAll("[data-command]")) {
    button.addEventListener("click", () =>
      call(button.dataset.command, button.dataset.change ? { change: button.dataset.change } : {}));
  }
  $("change-kind").addEventListener("change", showChangeFields);
  $("change-form").addEventListener("submit", (e) => {
    e.preventDefault();
    const kind = $("change-kind").value;
    const body = { time: $("change-time").value };
    if (kind === "move") { body.to = $("change-to").value; }
    if (kind === "add") { body.sound = $("change-sound").value; }
    call("today/" + kind, body);
  });
  $("logout").addEventListener("click", async () => {
    await call("logout");
    showLogin("");
  });

  if (session.csrf) {
    const response = await fetch("/api/status", { credentials: "same-origin" }).catch(() => null);
    if (response && response.ok) {
      show(await response.json());
      showStaff();
      return;
    }
  }
  showLogin("");
});
