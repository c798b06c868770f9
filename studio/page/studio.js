// Tovrins Studio: the page. Everything it shows comes from the workbench's
// state (GET /api/state); everything the user does is one API call whose
// answer is the new state. No build step, nothing fetched from elsewhere.
'use strict';

const $ = (selector) => document.querySelector(selector);
const studio = { state: null, shownRevision: 0, dialogKey: null, pressed: null, busy: 0 };
window.tovrinsStudio = studio; // for scripts and benchmarks

// ---- talking to the workbench -------------------------------------------

async function api(method, path, body, raw) {
  studio.busy++;
  try {
    const options = { method, headers: {} };
    if (body !== undefined) {
      options.body = raw ? body : JSON.stringify(body);
      options.headers['Content-Type'] = raw ? 'application/octet-stream' : 'application/json';
    }
    const response = await fetch(path, options);
    const answer = await response.json().catch(() => ({ error: 'the studio answered ' + response.status }));
    if (!response.ok) {
      showNotice(answer.error || ('the studio answered ' + response.status));
      await refresh();
      return null;
    }
    await render(answer);
    return answer;
  } catch (error) {
    showNotice('The studio cannot be reached: ' + error.message);
    return null;
  } finally {
    studio.busy--;
  }
}

const post = (path, body) => api('POST', path, body);
const dialogAction = (action) => post('/api/dialog', action);

async function refresh() {
  studio.busy++;
  try {
    const response = await fetch('/api/state');
    if (response.ok) await render(await response.json());
  } catch (error) { /* the next poll tries again */ } finally {
    studio.busy--;
  }
}

// ---- drawing the state ------------------------------------------------------

async function render(state) {
  // Answers can overtake each other: an older state never replaces a newer.
  if (studio.state && state.revision < studio.state.revision) return;
  studio.state = state;
  renderMenus(state.menus);
  renderLayers(state.layers);
  renderView(state);
  renderDialog(state.dialog);
  $('#document-name').textContent = state.document.name;
  $('#zoom-text').textContent = 'Zoom ' + Math.round(state.view.zoom * 10000) / 100 + ' %';
  $('#seed').textContent = 'Seed ' + state.seed;
  if (state.revision !== studio.shownRevision) await paintArtwork(state.revision, state.artwork);
}

function commandButton(command, label) {
  const button = document.createElement('button');
  button.type = 'button';
  button.setAttribute('role', 'menuitem');
  button.dataset.command = command.title;
  button.textContent = label || command.title;
  button.disabled = !command.enabled;
  return button;
}

// Rebuilt only when they change, so an open menu's items stay put.
function renderMenus(menus) {
  const key = JSON.stringify(menus);
  if (key === studio.menusShown) return;
  studio.menusShown = key;
  const edit = $('#edit-menu');
  edit.replaceChildren(...menus.edit.map((c) => commandButton(c)));
  edit.insertBefore(document.createElement('hr'), edit.children[2]);
  const filter = $('#filter-menu');
  const parts = [commandButton(menus.filter.repeat)];
  for (const category of menus.filter.categories) {
    parts.push(document.createElement('hr'));
    const heading = document.createElement('div');
    heading.className = 'category';
    heading.textContent = category.name;
    parts.push(heading, ...category.commands.map((c) => commandButton(c)));
  }
  filter.replaceChildren(...parts);
  $('#help-menu').replaceChildren(...menus.help.map((c) => commandButton(c)));
}

function renderLayers(layers) {
  const key = JSON.stringify(layers);
  if (key === studio.layersShown) return;
  studio.layersShown = key;
  const list = $('#layer-list');
  const rows = layers.map((layer, index) => {
    const row = document.createElement('li');
    row.dataset.layer = index;
    const toggle = (name, checked, title) => {
      const box = document.createElement('input');
      box.type = 'checkbox';
      box.checked = checked;
      box.title = title;
      box.dataset.layerToggle = name;
      box.addEventListener('change', () => {
        const visible = row.querySelector('[data-layer-toggle=visible]').checked;
        const locked = row.querySelector('[data-layer-toggle=locked]').checked;
        post('/api/layer', { index, visible, locked });
      });
      return box;
    };
    const name = document.createElement('span');
    name.className = 'name';
    name.textContent = layer.name;
    row.append(toggle('visible', layer.visible, 'Visible'), toggle('locked', layer.locked, 'Locked'), name);
    return row;
  });
  list.replaceChildren(...rows.reverse()); // topmost layer first, as layer panels show them
}

// Maps the document's SVG (y down, in points) onto the view's pixels.
function artworkPlacement(state) {
  const { zoom, centre, width, height } = state.view;
  return {
    left: width / 2 - centre[0] * zoom,
    top: height / 2 - (state.document.height - centre[1]) * zoom,
    width: state.document.width * zoom,
    height: state.document.height * zoom,
  };
}

function placeArtwork() {
  if (!studio.state) return;
  const p = artworkPlacement(studio.state);
  for (const picture of $('#artwork').children)
    Object.assign(picture.style, { left: p.left + 'px', top: p.top + 'px', width: p.width + 'px', height: p.height + 'px' });
}

// The artwork is a stack of SVG images, each a run of one layer's art named
// by its content (state.artwork, bottom to top). Images the page shows
// already stay as they are; only new ones are fetched and decoded, off the
// page's DOM, so a preview costs the browser what it changed.
async function paintArtwork(revision, keys) {
  const shown = new Map(); // "key/n" (the nth image of that key) -> its element
  const counts = new Map();
  const named = (key) => {
    const n = (counts.get(key) || 0) + 1;
    counts.set(key, n);
    return key + '/' + n;
  };
  for (const picture of $('#artwork').children) shown.set(picture.dataset.chunk, picture);
  counts.clear();
  const wanted = keys.map((key) => {
    const name = named(key);
    const kept = shown.get(name);
    if (kept) return kept;
    const picture = new Image();
    picture.alt = '';
    picture.draggable = false;
    picture.dataset.chunk = name;
    picture.src = '/api/artwork/' + key + '.svg?revision=' + revision;
    return picture;
  });
  // An image that cannot be had is left empty, as the browser shows any
  // broken image: the next state paints again.
  await Promise.allSettled(wanted.filter((p) => !p.isConnected).map((p) => p.decode()));
  if (revision < studio.shownRevision) return; // a later answer was painted already
  // Only what changed moves: kept images stay where they are in the DOM.
  const artwork = $('#artwork');
  const keep = new Set(wanted);
  for (const picture of [...artwork.children]) if (!keep.has(picture)) picture.remove();
  wanted.forEach((picture, index) => {
    if (artwork.children[index] !== picture) artwork.insertBefore(picture, artwork.children[index] || null);
  });
  studio.shownRevision = revision;
  placeArtwork();
  requestAnimationFrame(() => {
    document.body.dataset.revision = revision;
    document.dispatchEvent(new CustomEvent('studio-painted', { detail: revision }));
  });
}

function svgElement(name, attributes) {
  const element = document.createElementNS('http://www.w3.org/2000/svg', name);
  for (const [key, value] of Object.entries(attributes)) element.setAttribute(key, value);
  return element;
}

function renderView(state) {
  const view = $('#view');
  view.style.width = state.view.width + 'px';
  view.style.height = state.view.height + 'px';
  placeArtwork();
  const p = artworkPlacement(state);
  const overlay = $('#overlay');
  const shapes = [svgElement('rect', { class: 'page', x: p.left, y: p.top, width: p.width, height: p.height })];
  for (const [l, t, r, b] of state.selection.boxes)
    shapes.push(svgElement('rect', { class: 'selected', x: l - 0.5, y: t - 0.5, width: r - l + 1, height: b - t + 1 }));
  if (studio.band) shapes.push(studio.band);
  overlay.replaceChildren(...shapes);
}

// ---- menus --------------------------------------------------------------------

function closeMenus() {
  document.querySelectorAll('.menu.open').forEach((m) => m.classList.remove('open'));
}

$('#menubar').addEventListener('click', (event) => {
  const title = event.target.closest('.menu-title');
  if (title) {
    const menu = title.parentElement;
    const wasOpen = menu.classList.contains('open');
    closeMenus();
    if (!wasOpen) menu.classList.add('open');
    return;
  }
  const item = event.target.closest('[data-command]');
  if (!item || item.disabled) return;
  closeMenus();
  runCommand(item.dataset.command);
});
document.addEventListener('mousedown', (event) => {
  if (!event.target.closest('#menubar')) closeMenus();
});

function download(extension) {
  const link = document.createElement('a');
  link.href = '/api/document.' + extension + '?download=1';
  link.download = '';
  document.body.append(link);
  link.click();
  link.remove();
}

function runCommand(command) {
  if (command === 'Open...') return $('#file-input').click();
  if (command === 'Save as SVG') return download('svg');
  if (command === 'Save as JSON') return download('json');
  if (command === 'Save as PNG') return download('png');
  return post('/api/command', { command });
}

$('#file-input').addEventListener('change', async (event) => {
  const file = event.target.files[0];
  event.target.value = '';
  if (!file) return;
  await api('POST', '/api/open?name=' + encodeURIComponent(file.name), await file.arrayBuffer(), true);
});

// ---- the document view: selection, zoom and pan ----------------------------------

function viewPoint(event) {
  const box = $('#view').getBoundingClientRect();
  return [Math.round(event.clientX - box.left - $('#view').clientLeft), Math.round(event.clientY - box.top - $('#view').clientTop)];
}

let drag = null;
$('#view').addEventListener('mousedown', (event) => {
  if (studio.state?.dialog) return;
  event.preventDefault();
  const panning = event.button === 1 || event.altKey;
  drag = { start: viewPoint(event), panning, shift: event.shiftKey, centre: [...studio.state.view.centre] };
});
document.addEventListener('mousemove', (event) => {
  if (!drag) return;
  const [x, y] = viewPoint(event);
  const [x0, y0] = drag.start;
  if (drag.panning) {
    const zoom = studio.state.view.zoom;
    studio.state.view.centre = [drag.centre[0] - (x - x0) / zoom, drag.centre[1] + (y - y0) / zoom];
    renderView(studio.state);
  } else if (Math.abs(x - x0) + Math.abs(y - y0) > 3) {
    studio.band = svgElement('rect', { class: 'band', x: Math.min(x, x0), y: Math.min(y, y0),
      width: Math.abs(x - x0), height: Math.abs(y - y0) });
    renderView(studio.state);
  }
});
document.addEventListener('mouseup', (event) => {
  if (!drag) return;
  const finished = drag;
  drag = null;
  const [x, y] = viewPoint(event);
  const [x0, y0] = finished.start;
  if (finished.panning) return post('/api/view', { zoom: studio.state.view.zoom, centre: studio.state.view.centre });
  studio.band = null;
  if (Math.abs(x - x0) + Math.abs(y - y0) > 3) post('/api/select', { band: [x0, y0, x, y], extend: finished.shift });
  else post('/api/select', { point: [x, y], extend: finished.shift });
});
$('#view').addEventListener('wheel', (event) => {
  if (studio.state?.dialog) return;
  event.preventDefault();
  const { zoom, centre, width, height } = studio.state.view;
  const newZoom = Math.min(64, Math.max(0.01, zoom * (event.deltaY < 0 ? 1.25 : 0.8)));
  const [x, y] = viewPoint(event);
  // The artwork point under the pointer stays under it.
  const h = centre[0] + (x - width / 2) / zoom, v = centre[1] - (y - height / 2) / zoom;
  post('/api/view', { zoom: newZoom, centre: [h - (x - width / 2) / newZoom, v + (y - height / 2) / newZoom] });
}, { passive: false });

// ---- dialogs ---------------------------------------------------------------------------

function showNotice(message) {
  const layer = $('#modal-layer');
  const notice = document.createElement('div');
  notice.className = 'dialog notice';
  notice.setAttribute('role', 'alertdialog');
  notice.innerHTML = '<div class="title">Tovrins Studio</div><div class="alert-text"></div>' +
    '<div class="alert-buttons"><button type="button" data-notice-ok>OK</button></div>';
  notice.querySelector('.alert-text').textContent = message;
  notice.style.left = Math.max(10, (innerWidth - 440) / 2) + 'px';
  notice.style.top = '120px';
  notice.querySelector('[data-notice-ok]').addEventListener('click', () => {
    notice.remove();
    updateModal();
  });
  layer.append(notice);
  updateModal();
  notice.querySelector('button').focus();
}

function updateModal() {
  const open = $('#modal-layer').children.length > 0;
  $('#modal-layer').hidden = !open;
  $('#app').inert = open;
}

function dialogKey(dialog) {
  if (!dialog) return null;
  return dialog.kind === 'alert' ? 'alert:' + dialog.text : dialog.name + ':' + dialog.resourceId + ':' + dialog.items.length;
}

// Where the host's screen position of a dialog lands in this window.
function screenOffset(dialog) {
  return [(dialog.screen[0] - innerWidth) / 2, (dialog.screen[1] - innerHeight) / 2];
}

function renderDialog(dialog) {
  const layer = $('#modal-layer');
  const key = dialogKey(dialog);
  if (key !== studio.dialogKey) {
    layer.querySelectorAll('.dialog:not(.notice)').forEach((d) => d.remove());
    studio.dialogKey = key;
    if (dialog) layer.prepend(dialog.kind === 'alert' ? buildAlert(dialog) : buildDialog(dialog));
  }
  if (dialog && dialog.kind === 'dialog') updateDialog(dialog);
  updateModal();
}

function buildAlert(alert) {
  const box = document.createElement('div');
  box.className = 'dialog';
  box.setAttribute('role', 'alertdialog');
  box.innerHTML = '<div class="title">Alert</div><div class="alert-text"></div>' +
    '<div class="alert-buttons"><button type="button" data-item="1">OK</button></div>';
  box.querySelector('.alert-text').textContent = alert.text;
  box.style.left = Math.max(10, (innerWidth - 440) / 2) + 'px';
  box.style.top = '140px';
  box.querySelector('button').addEventListener('click', () => dialogAction({ action: 'ok' }));
  return box;
}

function buildDialog(dialog) {
  const box = document.createElement('div');
  box.className = 'dialog';
  box.setAttribute('role', 'dialog');
  box.setAttribute('aria-modal', 'true');
  box.dataset.dialog = dialog.name;
  const title = document.createElement('div');
  title.className = 'title';
  title.textContent = dialog.title || dialog.name;
  const body = document.createElement('div');
  body.className = 'body';
  box.append(title, body);
  for (const item of dialog.items) body.append(buildItem(item));
  title.addEventListener('mousedown', (event) => startMove(event, box));
  box.addEventListener('keydown', dialogKeys);
  return box;
}

function startMove(event, box) {
  event.preventDefault();
  const start = [event.clientX, event.clientY, box.offsetLeft, box.offsetTop];
  const move = (e) => {
    box.style.left = start[2] + e.clientX - start[0] + 'px';
    box.style.top = start[3] + e.clientY - start[1] + 'px';
  };
  const up = () => {
    document.removeEventListener('mousemove', move);
    document.removeEventListener('mouseup', up);
    const [dx, dy] = screenOffset(studio.state.dialog);
    dialogAction({ action: 'move', left: Math.round(box.offsetLeft + dx), top: Math.round(box.offsetTop + dy) });
  };
  document.addEventListener('mousemove', move);
  document.addEventListener('mouseup', up);
}

function dialogKeys(event) {
  if (event.key === 'Escape') {
    event.preventDefault();
    dialogAction({ action: 'cancel' });
  } else if (event.key === 'Enter' && !event.target.closest('.spin') && event.target.tagName !== 'BUTTON') {
    event.preventDefault();
    dialogAction({ action: 'ok' });
  }
}

function place(element, item) {
  const [l, t, r, b] = item.rect;
  Object.assign(element.style, { left: l + 'px', top: t + 'px', width: r - l + 'px', height: b - t + 'px' });
  element.classList.add('item');
  element.dataset.item = item.id;
  element.dataset.kind = item.kind;
  return element;
}

function buildItem(item) {
  switch (item.kind) {
    case 'spin edit': return buildSpinEdit(item);
    case 'check box': {
      const label = place(document.createElement('label'), item);
      const box = document.createElement('input');
      box.type = 'checkbox';
      box.addEventListener('change', () => dialogAction({ action: 'set', item: item.id, value: box.checked ? '1' : '0' }));
      label.append(box, document.createTextNode(item.text));
      return label;
    }
    case 'popup': {
      const select = place(document.createElement('select'), item);
      for (const entry of item.entries) select.append(new Option(entry, ''));
      select.addEventListener('change', () => dialogAction({ action: 'choose', item: item.id, index: select.selectedIndex }));
      return select;
    }
    case 'push button': {
      const button = place(document.createElement('button'), item);
      button.type = 'button';
      button.textContent = item.text;
      button.addEventListener('click', () => dialogAction({ action: 'click', item: item.id }));
      return button;
    }
    case 'picture button': return buildPictureButton(item);
    case 'frame': return place(Object.assign(document.createElement('div'), { className: 'frame' }), item);
    case 'picture': return place(Object.assign(document.createElement('div'), { className: 'icon' }), item);
    default: return place(Object.assign(document.createElement('div'), { className: 'text' }), item);
  }
}

// A number is committed on Enter, Tab or leaving the field, and only when it
// was changed: every commit is a preview.
function buildSpinEdit(item) {
  const box = place(document.createElement('div'), item);
  box.classList.add('spin');
  const input = document.createElement('input');
  input.type = 'text';
  input.inputMode = 'decimal';
  input.setAttribute('aria-label', 'item ' + item.id);
  const commit = () => {
    if (input.value !== input.dataset.shown) {
      input.dataset.shown = input.value;
      dialogAction({ action: 'set', item: item.id, value: input.value.trim() });
    }
  };
  const step = (direction) => {
    const current = studio.state.dialog.items.find((i) => i.id === item.id);
    const value = Number(current.value) + direction;
    input.value = String(value);
    commit();
  };
  input.addEventListener('keydown', (event) => {
    if (event.key === 'Enter') { event.preventDefault(); commit(); }
    else if (event.key === 'ArrowUp') { event.preventDefault(); step(1); }
    else if (event.key === 'ArrowDown') { event.preventDefault(); step(-1); }
  });
  input.addEventListener('blur', commit);
  const arrows = document.createElement('div');
  arrows.className = 'arrows';
  for (const [label, direction] of [['▲', 1], ['▼', -1]]) {
    const arrow = document.createElement('button');
    arrow.type = 'button';
    arrow.tabIndex = -1;
    arrow.textContent = label;
    arrow.dataset.step = direction;
    arrow.addEventListener('mousedown', (event) => event.preventDefault());
    arrow.addEventListener('click', () => step(direction));
    arrows.append(arrow);
  }
  box.append(input, arrows);
  return box;
}

// Press on the button, drag onto the artwork, release there: the release's
// view pixel is the picked point.
function buildPictureButton(item) {
  const button = place(document.createElement('button'), item);
  button.type = 'button';
  button.classList.add('picture-button');
  button.textContent = '+';
  button.title = 'Press, drag onto the artwork and release';
  button.addEventListener('mousedown', (event) => {
    if (button.disabled || event.button !== 0) return;
    event.preventDefault();
    button.classList.add('pressed');
    document.body.classList.add('picking');
    const up = (e) => {
      document.removeEventListener('mouseup', up);
      button.classList.remove('pressed');
      document.body.classList.remove('picking');
      const view = $('#view').getBoundingClientRect();
      if (e.clientX < view.left || e.clientX >= view.right || e.clientY < view.top || e.clientY >= view.bottom) return;
      const [x, y] = viewPoint(e);
      dialogAction({ action: 'pick', item: item.id, x, y });
    };
    document.addEventListener('mouseup', up);
  });
  return button;
}

function updateDialog(dialog) {
  const box = $('#modal-layer .dialog:not(.notice)');
  const [dx, dy] = screenOffset(dialog);
  const [l, t, r, b] = dialog.bounds;
  box.style.left = Math.min(Math.max(0, l - dx), Math.max(0, innerWidth - (r - l) - 4)) + 'px';
  box.style.top = Math.min(Math.max(0, t - dy), Math.max(0, innerHeight - (b - t) - 30)) + 'px';
  box.querySelector('.body').style.width = r - l + 'px';
  box.querySelector('.body').style.height = b - t + 'px';
  const elements = box.querySelectorAll('.body > .item');
  dialog.items.forEach((item, index) => {
    const element = elements[index];
    if (!element) return;
    const enabled = item.enabled;
    element.classList.toggle('disabled', !enabled);
    switch (item.kind) {
      case 'spin edit': {
        const input = element.querySelector('input');
        input.disabled = !enabled;
        element.querySelectorAll('button').forEach((a) => { a.disabled = !enabled; });
        if (document.activeElement !== input || input.value === input.dataset.shown) input.value = item.display;
        input.dataset.shown = item.display;
        break;
      }
      case 'check box': {
        const check = element.querySelector('input');
        check.checked = item.value;
        check.disabled = !enabled;
        break;
      }
      case 'popup':
        element.selectedIndex = item.value;
        element.disabled = !enabled;
        break;
      case 'push button':
        element.textContent = item.text;
        element.disabled = !enabled;
        break;
      case 'picture button':
        element.disabled = !enabled;
        break;
      case 'text':
        element.textContent = item.text;
        break;
      default:
        break;
    }
  });
}

// ---- start ----------------------------------------------------------------------------

refresh();
// Another tab may change the document: keep in step when idle.
setInterval(() => { if (!studio.busy && !drag) refresh(); }, 1000);
