// The two drawings, drawn as SVG from the engine's display lists (the "scenes" of the report):
// the same polygons, lines and pictures the window paints, in the picture's own pixels, so the
// front view stays to scale whatever width the page gives it.

const SVG = "http://www.w3.org/2000/svg";

// The window's pens and brush, by the names the display lists use.
const pens = {
  penRay: { color: "rgb(200,0,0)", width: 1 },
  penScreenOutline: { color: "rgb(0,0,128)", width: 1 },
  penAxis: { color: "rgb(0,0,255)", width: 1, dash: "6 2 1 2 1 2" },
  penScreenSide: { color: "rgb(0,128,255)", width: 2 },
  penDimension: { color: "rgb(0,0,0)", width: 1 },
  penRayFaint: { color: "rgb(200,150,150)", width: 1 },
  penZoomRange: { color: "rgb(0,140,0)", width: 2 },
  penScopeOutline: { color: "rgb(150,0,150)", width: 2 },
};
const brushes = { brushScreenFill: "rgb(0,128,255)" };

// The pictures of the display lists, by name.
const images = {
  imgProjector: "art/projector_front.svg",
  imgProjectorSide_0: "art/projector_side_bottom.svg",
  imgProjectorSide_1: "art/projector_side_top.svg",
  imgKara: "art/range_sign.svg",
};

function element(name, attributes) {
  const node = document.createElementNS(SVG, name);
  for (const [key, value] of Object.entries(attributes)) node.setAttribute(key, String(value));
  return node;
}

function stroke(node, penName) {
  const pen = pens[penName] ?? { color: "rgb(90,90,90)", width: 1 };
  node.setAttribute("stroke", pen.color);
  node.setAttribute("stroke-width", String(pen.width));
  if (pen.dash) node.setAttribute("stroke-dasharray", pen.dash);
  node.setAttribute("vector-effect", "non-scaling-stroke");
}

function itemNode(item) {
  switch (item.kind) {
    case "polygon": {
      const node = element("polygon", {
        points: item.points.map((p) => `${p[0]},${p[1]}`).join(" "),
        fill: brushes[item.brush] ?? "none",
        "fill-rule": "nonzero",
      });
      stroke(node, item.pen);
      return node;
    }
    case "line": {
      const node = element("line", { x1: item.from[0], y1: item.from[1], x2: item.to[0], y2: item.to[1] });
      stroke(node, item.pen);
      return node;
    }
    case "image": {
      const href = images[item.name];
      if (!href) return null;
      const node = element("image", { x: item.at[0], y: item.at[1], href });
      if (item.size[0] > 0 && item.size[1] > 0) {
        node.setAttribute("width", String(item.size[0]));
        node.setAttribute("height", String(item.size[1]));
      }
      return node;
    }
    default:
      return null;
  }
}

// Draws a scene into an <svg>; `labels` gives, by control name, the text to write where the
// window places that control (the boxes' captions and texts), as text, never as markup.
export function drawScene(svg, scene, labels) {
  svg.replaceChildren();
  if (!scene) return;
  svg.setAttribute("viewBox", `0 0 ${scene.width} ${scene.height}`);
  for (const item of scene.items) {
    const node = itemNode(item);
    if (node) svg.appendChild(node);
  }
  for (const [name, control] of Object.entries(scene.controls ?? {})) {
    const label = labels[name];
    if (!control.visible || label === undefined || label === "") continue;
    const text = element("text", {
      x: control.at[0],
      y: control.at[1] + control.size[1] - 4,
      "data-control": name,
    });
    if (name.startsWith("txt")) text.setAttribute("class", "boxtext");
    text.textContent = label;
    svg.appendChild(text);
  }
}
